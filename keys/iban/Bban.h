// What a BBAN must be under its country code: the one rule the IBAN search,
// the typing-error search and the verdict all follow.
//
// A country of the IBAN registry (Registry.h) gives its BBAN a length and, at
// each place, what the place holds: a digit, a capital, or either. Some
// countries add a national key inside the BBAN, computed from the rest of it
// (places counted from 1):
//
//   FR, MC   the RIB key, places 22-23, as on the RIB page
//   BE       places 11-12: places 1-10 mod 97, 97 for 0
//   ES       places 9-10: the two check digits of the CCC, over "00", the
//            bank and the branch, then over the account; each is
//            11 - (sum mod 11) with the weights 1 2 4 8 5 10 9 7 3 6,
//            10 giving 1 and 11 giving 0
//   IT, SM   place 1: the CIN letter of places 2-23
//   NO       place 11: the weights 6 7 8 9 4 5 6 7 8 9 over places 1-10, sum
//            mod 11; 10 leaves the account without a key
//   ME, PT, SI, RS, BA   the last two places: the whole BBAN mod 97 is 1
//            (ISO 7064 MOD 97-10)
//   TN, MR   the last two places: the RIB's rule, the whole BBAN mod 97 is 0,
//            the key from 01 to 97
//
// Any other code asks nothing of the BBAN: only the IBAN's key counts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Registry.h"
#include "common/Verdict.h"

namespace ferrino {

struct NationalKeyRule;

class BbanRules {
public:
    // The rules of a country field's code (its first two characters).
    explicit BbanRules(std::string_view countryField);

    // The registered country, or null.
    const IbanCountry* Country() const { return country_; }
    bool HasNationalKey() const { return national_ != nullptr; }

    // What place `pos` (from 0) may hold, in the order a search tries it:
    // what the registry allows there, nothing past the registered length;
    // digits then capitals under a code the registry does not know.
    std::string_view Symbols(std::size_t pos) const;

    // What rules out every completion of the BBAN, an unknown marker fitting
    // any place: a length other than the registered one, or a character its
    // place does not allow. Nothing when the code is not registered.
    std::optional<Finding> Fault(std::string_view bban) const;

    // The national key of a BBAN without fault or unknown marker, right or
    // wrong; nothing when the country has none.
    std::optional<Finding> NationalKey(std::string_view bban) const;

    // A whole BBAN the country takes: no fault and its national key agrees.
    bool Accepts(std::string_view bban) const;
    // Its national key agrees (true when there is none).
    bool NationalKeyAgrees(std::string_view bban) const;

private:
    // The first place whose character the place does not allow, kWrongLength
    // for a BBAN of another length, or npos.
    static constexpr std::size_t kWrongLength = static_cast<std::size_t>(-2);
    std::size_t Misfit(std::string_view bban) const;

    const IbanCountry* country_ = nullptr;
    const NationalKeyRule* national_ = nullptr;
};

}  // namespace ferrino
