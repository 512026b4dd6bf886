// What a SIREN says of itself: the intra-community VAT number built on it,
// and whose it is when the program knows (a commune, La Poste). The French
// VAT number is "FR", a key of two digits, (12 + 3 × (SIREN mod 97)) mod 97,
// and the SIREN.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"

namespace ferrino {

// The two-digit VAT key of nine digits.
std::string FrenchVatKey(std::string_view siren);

// A French VAT number read from a text as a person writes it: "FR", two
// key characters and the nine digits of the SIREN, separators anywhere,
// small letters as capitals.
struct FrenchVat {
    std::string key;    // as written
    std::string siren;  // nine digits
};
std::optional<FrenchVat> ReadFrenchVat(std::string_view text);

// The details of the nine digits of a SIREN whose key is `right`.
std::vector<Detail> SirenDetails(std::string_view siren, bool right);

}  // namespace ferrino
