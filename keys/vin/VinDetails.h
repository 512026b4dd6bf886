// What a VIN says of the vehicle: its maker and country (the WMI), its
// possible model years (position 10) and whether its check digit is
// compulsory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"

namespace ferrino {

// The model years the character of position 10 may stand for, latest first,
// as of `thisYear`: the two of its thirty-year cycle (1980-2009, 2010-2039),
// one when the seventh character settles it (North America: a letter there
// means 2010 or later) or when the other lies beyond next year. Empty for a
// character that codes no year (0, I, O, Q, U, Z).
std::vector<int> VinModelYears(std::string_view vin, int thisYear);

// The details of seventeen characters.
std::vector<Detail> VinDetails(std::string_view vin, int thisYear);

}  // namespace ferrino
