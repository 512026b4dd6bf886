// What an INSEE number says of the person: sex, month and year of birth,
// département and commune of birth, or the country for one born abroad.
#pragma once

#include <string_view>
#include <vector>

#include "common/Kind.h"

namespace ferrino {

// The details of a number of fifteen characters (the key's two included),
// the century of birth guessed as of `thisYear`.
std::vector<Detail> InseeDetails(std::string_view number, int thisYear);

}  // namespace ferrino
