// Where a Canadian social insurance number was registered, from its first digit.
#pragma once

#include <optional>
#include <string_view>

namespace ferrino {

// The provinces or territories of registration of a first digit, in French
// ("Québec"); 9 is a temporary resident's number. Nothing for 0 and 8, which
// no province is given.
std::optional<std::string_view> SinProvince(char digit);

}  // namespace ferrino
