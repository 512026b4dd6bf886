// What an ISBN says of itself: its registration group and its other form.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"

namespace ferrino {

// "978-2 : pays de langue française" for the prefix and nine digits after it
// ("978", "207036822"); "978-611" for a group the program does not name;
// nothing when no range holds the group.
std::optional<std::string> IsbnGroupText(std::string_view prefix, std::string_view nine);

// The details of an ISBN-10 or ISBN-13 without hyphens.
std::vector<Detail> IsbnDetails(std::string_view number);

}  // namespace ferrino
