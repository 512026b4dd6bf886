// The rows of the IBAN page's country list.
#pragma once

#include <span>
#include <string_view>

namespace ferrino {

// 239 rows in ascending order of code, each "CODE (NAME)" followed by a tab,
// NAME being the French short name in capitals (UTF-8, accents kept). A row's
// first two characters are the code the country field receives.
std::span<const std::string_view> CountryRows();

}  // namespace ferrino
