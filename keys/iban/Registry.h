// The IBAN registry: the countries that have IBANs, the length of their
// IBANs (country code, check digits and BBAN) and what each place of their
// BBAN holds, from ISO 13616.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace ferrino {

struct IbanCountry {
    std::string_view code;
    std::size_t length;
    // One letter a place of the BBAN: 'n' a digit, 'a' a capital, 'c' either
    // ("nnnnnnnnnnccccccccccccnn" for FR); length - 4 letters.
    std::string_view places;
};

// Every registered country, in ascending order of code.
std::span<const IbanCountry> IbanRegistry();

// The registered country of a code, or null.
const IbanCountry* FindIbanCountry(std::string_view code);

}  // namespace ferrino
