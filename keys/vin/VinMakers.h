// Who built a vehicle, from the first characters of its VIN, and whether its
// region makes the check digit (the ninth character) compulsory.
#pragma once

#include <optional>
#include <string_view>

namespace ferrino {

struct VinOrigin {
    std::string_view maker;    // UTF-8; empty when only the country is known
    std::string_view country;  // in French; empty when only the maker is known
};

// The maker of a WMI (the VIN's first three characters, capitals) and the
// country of its first two. Longer texts are read by their first three
// characters. Nothing when neither is known.
std::optional<VinOrigin> FindVinMaker(std::string_view wmi);

// Whether the check digit must compute: vehicles for North America (a WMI
// beginning with 1 to 5) and China (L) must carry it; elsewhere it is
// optional. Looks at the first character only.
bool VinCheckDigitCompulsory(std::string_view vin);

}  // namespace ferrino
