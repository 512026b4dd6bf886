// IBAN: country code, two check digits and the BBAN (national account number).
//
// The check digits are 98 - (N mod 97), N being the number written by the BBAN,
// the country code and "00", where a digit stands for itself and a capital
// letter for two digits, A = 10 ... Z = 35: "02".."98".
//
// The page has three fields: the country code, the key and the BBAN. The key
// uses the country field's first two characters, padded with blanks. A code
// character that is neither a digit nor a letter (a blank, a sign, a non-ASCII
// character) counts as the digit 0, and a small letter counts as its capital,
// so the key stays defined and within "02".."98" for any country field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

// What "Calcule" reads from the page: `pattern` is the BBAN (blanks removed,
// padded with unknown markers to at least two characters) and `slots` its
// unknown characters, each trying what its place may hold under the country
// code (BbanRules::Symbols: 0-9 then A-Z under a code the registry does not
// know); `keyPattern` is the key field (surrounding blanks trimmed, padded
// with unknown markers to two characters); `country` the country field.
struct IbanSearchPlan : Plan {
    std::string keyPattern;
    std::string country;
};

// Normalises a typed BBAN (its NumberCharacters, of which anything but
// digits, capitals and unknown markers is dropped) and cuts it into groups of
// four, each followed by a blank.
std::string FormatIban(std::string_view text);

// The country code the key and the rows use: the first two characters of the
// country field, padded with blanks.
std::string IbanCountryCode(std::string_view countryField);

// The check digits "02".."98" of a BBAN (only its digits and capitals count)
// under the country field's code.
std::string ComputeIbanKey(std::string_view bban, std::string_view countryField);

// Lists "CC KK " + FormatIban(candidate) when the candidate's check digits
// agree with the key pattern (an unknown marker, or a missing character,
// agrees with any digit) and the country code's rules accept the candidate
// (BbanRules::Accepts).
bool TestIbanCandidate(std::string_view candidate, std::string_view keyPattern, std::string_view countryField,
                       RowStore& sink);

// The longest BBAN of any country (an IBAN has at most 34 characters).
inline constexpr std::size_t kIbanLongestBban = 30;

// "Calcule": the BBAN and key fields read into patterns, under the country
// field's code. A BBAN longer than kIbanLongestBban makes a plan that is too
// long, which nothing searches.
IbanSearchPlan IbanPlan(std::string_view bbanFieldText, std::string_view keyFieldText, std::string_view countryField = {});

// The key field's new text when the BBAN is complete; the BBAN field then
// receives plan.pattern.
std::string CompleteIban(const Plan& plan, std::string_view countryField);

// Lists every completion of the BBAN that TestIbanCandidate accepts; nothing
// when the BBAN has a fault under the plan's country code that no completion
// mends (BbanRules::Fault). `countryField` is read afresh for each candidate:
// the window may change it while the pump polls, and the candidates tried
// after the change are judged under the new code.
bool SearchIban(const IbanSearchPlan& plan, const std::string& countryField, RowStore& sink, SearchPump& pump);

// A whole IBAN in one piece, as pasted or typed into one field: its country
// code, key and BBAN, read from its NumberCharacters (separators anywhere
// dropped, "*" an unknown marker) in capitals, without a leading
// "IBAN" and its optional colon. The rest must
// be two letters, two digits or unknown markers, then one to thirty digits,
// letters or unknown markers: "FR76 3000 6000 0112 3456 7890 189" gives "FR",
// "76" and "30006000011234567890189". Anything else is no whole IBAN.
struct IbanParts {
    std::string country;
    std::string key;
    std::string bban;
};
std::optional<IbanParts> SplitIban(std::string_view text);

// A listed row ("FR 76 3000 6000 0112 3456 7890 189 ") in the usual printed
// form, appended to `out`: the country code and key joined as the first group
// of four, no trailing blank ("FR76 3000 6000 0112 3456 7890 189").
void AppendPrintedIbanRow(std::string_view row, std::string& out);

}  // namespace ferrino
