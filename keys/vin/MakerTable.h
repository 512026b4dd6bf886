// The generated tables of VIN makers and countries (keys/vin/Makers.cpp,
// written by tools/make_vin_makers.py).
#pragma once

#include <span>
#include <string_view>

namespace ferrino {

struct VinCode {
    std::string_view code;  // three characters for a maker, two for a country
    std::string_view name;  // UTF-8
};

// In ascending order of code.
std::span<const VinCode> VinMakerRows();
std::span<const VinCode> VinCountryRows();

}  // namespace ferrino
