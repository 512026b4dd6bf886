// Bank card number: 15-digit body, Luhn check digit, shown as 4 groups of 4.
//
//   4970 1012 3456 7893
//
// Typed text keeps digits, "?" and capital letters (capitals become unknown
// markers); every other character is dropped. A search lists every
// completion whose key agrees with the typed one.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kCardBody = 15;
inline constexpr std::size_t kCardLength = 16;

// Normalises typed text and lays it out as dddd dddd dddd dddd.
std::string FormatCard(std::string_view text);

// The Luhn key of the first 15 characters (digits).
std::string ComputeCardKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's key.
bool TestCardCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan CardPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteCard(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
bool SearchCard(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
