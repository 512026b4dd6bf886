// The generated table of départements and communes (keys/insee/Communes.cpp,
// written by tools/make_communes.py, which describes the text of each row).
#pragma once

#include <span>
#include <string_view>

namespace ferrino {

struct DepartementRow {
    std::string_view code;      // "01", "2A", "974"
    std::string_view name;      // UTF-8
    std::string_view communes;  // one line per code, in ascending order
};

// Every département, in ascending order of code.
std::span<const DepartementRow> DepartementRows();

// The former codes of communes merged into another, each followed by the code
// of that commune today: ten characters a pair, in ascending order.
std::string_view FormerCommuneCodes();

}  // namespace ferrino
