// CIP/ACL code: six digits in the code field, one key digit in the key field.
// Weights 2 3 4 5 6 7, modulo 11; a remainder of 10 gives the key 0.
//
// The page has two fields, so the plan is read from both, completing gives
// the key field's text, and a listed row ("123456 2") splits back into the
// two fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kCipCodeLength = 6;  // the code field's maximum length
inline constexpr std::size_t kCipKeyLength = 1;   // the key field's maximum length
inline constexpr std::size_t kCipLength = kCipCodeLength + kCipKeyLength;

// Normalises one field (code or key) of maximum length `maxLength`: pads with
// unknown markers to that length and turns every non-digit among its first
// `maxLength` characters into an unknown marker. Nothing is dropped or moved.
std::string FormatCipField(std::string_view text, std::size_t maxLength);

// The key "0".."9" of the first six characters. Non-digits count 0; a short
// code is padded with zeros.
std::string ComputeCipKey(std::string_view code);

// Lists "code key" when the candidate's key agrees with the pattern's
// (character 7, the key field's character; "?" agrees with any).
bool TestCipCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the pattern is the code field's text followed by the key field's
// (both already normalised), blanks dropped, padded to seven characters; the
// slots are the unknown digits of the code. With too many slots nothing is
// written back: the fields keep their normalised texts.
Plan CipPlan(std::string_view codeField, std::string_view keyField);

// The key field's new text when the code is complete.
std::string CompleteCip(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
// Returns false when stopped.
bool SearchCip(const Plan& plan, RowStore& sink, SearchPump& pump);

// A listed row split back into the two fields (the list click): the code is
// characters 1-6, the key character 8. Neither is normalised again.
struct CipFields {
    std::string code;
    std::string key;
};
CipFields CipRowFields(std::string_view row);

// A whole CIP/ACL code with its key in one piece, as pasted into one field:
// its NumberCharacters (separators dropped, "*" an unknown marker) must be
// seven digits or unknown markers, the six of the code and the key:
// "1234562", "123456 2", "340093-5" and "34 00 93.5" are whole codes.
// Anything else is no whole code.
std::optional<CipFields> SplitCip(std::string_view text);

// The quick check of a batch (NumberKind::QuickCheck): seven digits.
QuickAnswer QuickCip(std::string_view number, std::string& shown, std::string& cause);

}  // namespace ferrino
