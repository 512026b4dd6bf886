// The Single Euro Payments Area: the countries and territories whose
// payment service providers take part in the SEPA schemes.
#pragma once

#include <string_view>

namespace ferrino {

// Whether a two-letter country code (as an IBAN begins) is in SEPA.
bool IsSepa(std::string_view countryCode);

}  // namespace ferrino
