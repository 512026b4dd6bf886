// SIN: 8-digit body, Luhn check digit, shown as 3 groups of 3.
//
//   123 456 782
//
// Unlike the other Luhn numbers, typed text drops only the separator signs
// (blank , - . / \) and keeps every other character, so a letter or a sign
// such as "*" stands for an unknown digit. A search refuses no candidate.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kSinBody = 8;
inline constexpr std::size_t kSinLength = 9;

// How many characters of a typed text the field keeps (all but separators).
std::size_t SinCharacters(std::string_view text);

// Normalises typed text and lays it out as ddd ddd ddd.
std::string FormatSin(std::string_view text);

// The Luhn key of the first 8 characters (digits).
std::string ComputeSinKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's key.
bool TestSinCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan SinPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteSin(const Plan& plan);

// The quick check of a batch (NumberKind::QuickCheck).
QuickAnswer QuickSin(std::string_view number, std::string& shown, std::string& cause);

// Lists every completion of the plan whose key agrees with the pattern.
bool SearchSin(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
