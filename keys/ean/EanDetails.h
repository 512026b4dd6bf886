// What a bar-code number says of itself: the GS1 member organisation of its
// prefix or what the prefix is kept for, the ISBN or ISSN inside, a French
// medicine's CIP13, the UPC-A number of a UPC-E.
#pragma once

#include <string_view>
#include <vector>

#include "Ean.h"
#include "common/Kind.h"

namespace ferrino {

// The details of the digits of a whole number of the type (check digit included).
std::vector<Detail> EanDetails(std::string_view digits, EanType type);

}  // namespace ferrino
