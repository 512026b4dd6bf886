// Bank card number: digits and a Luhn check digit, the last one.
//
//   4970 1012 3456 7893        sixteen digits, the usual card
//   3782 822463 10005          fifteen, when the number begins with the typed digits 34 or 37
//   4111 1111 1111 1111 113    seventeen to nineteen, as typed
//
// Typed text keeps digits, "?" and capital letters (capitals become unknown
// markers); every other character is dropped. The length is read from what
// is kept: fifteen after a typed 34 or 37; otherwise sixteen for sixteen
// characters or fewer (the missing ones unknown), the count itself from
// seventeen to nineteen, and nineteen beyond (the rest is not shown). A
// search lists every completion of that length whose key agrees with the
// typed one, and no number of sixteen digits or more beginning with 34 or 37.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kCardBody = 15;    // the usual card: sixteen digits
inline constexpr std::size_t kCardLength = 16;
inline constexpr std::size_t kCardShortest = 15;  // after 34 or 37
inline constexpr std::size_t kCardLongest = 19;

// The length of the card number a text holds (15 to 19), read as above.
std::size_t CardLength(std::string_view text);

// Normalises typed text and lays it out in its length's groups: 4-6-5 for
// fifteen digits, groups of four otherwise.
std::string FormatCard(std::string_view text);

// The Luhn key of the first fifteen characters (the body of the usual card).
std::string ComputeCardKey(std::string_view body);

// The Luhn key of the number's body (every character of its length but the last).
std::vector<std::string> CardKeys(std::string_view pattern);

// Lists the candidate when it is a number of the pattern's length whose key
// agrees with the pattern's key.
bool TestCardCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern of its length and its
// unknown body digits.
Plan CardPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteCard(const Plan& plan);

// The quick check of a batch (NumberKind::QuickCheck): a number of the
// length its digits are read at.
QuickAnswer QuickCard(std::string_view number, std::string& shown, std::string& cause);

// Lists every completion of the plan that the candidate test accepts.
bool SearchCard(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
