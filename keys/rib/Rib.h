// RIB/RIP: French bank account identifier, 21-character body and 2-digit key.
//
//   positions  1-5     6-10     11-21    22-23
//              Banque  Guichet  Compte   Clé
//
// Bank and branch codes are digits; the account number holds digits and
// capital letters, each letter counting as one digit for the key (A and J
// are 1, B, K and S are 2, ... I, R and Z are 9). The key is
// 97 - (N x 100 mod 97), N being the 21 digits: "01".."97".
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kRibBody = 21;
inline constexpr std::size_t kRibLength = 23;

// Normalises typed text and lays it out as BBBBB GGGGG CCCCCCCCCCC KK.
std::string FormatRib(std::string_view text);

// The key "01".."97" of the first 21 characters. Any text is accepted: a short
// body counts as padded, and a character that is not a digit counts as 0
// (except the letters of the account number, which count by their digit).
std::string ComputeRibKey(std::string_view body);

// Lists the candidate (its first 21 characters and their key) when the key
// agrees with the pattern's positions 22-23.
bool TestRibCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body
// characters (bank and branch digits try 0-9, account characters 0-9 then A-Z).
Plan RibPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteRib(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
bool SearchRib(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
