// SIREN number: 8-digit body, Luhn check digit, shown as 3 groups of 3.
//
//   123 456 782
//
// Typed text keeps digits, "?" and capital letters (capitals become unknown
// markers); every other character is dropped. A search lists every
// completion whose key agrees with the typed one.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kSirenBody = 8;
inline constexpr std::size_t kSirenLength = 9;

// Normalises typed text and lays it out as ddd ddd ddd.
std::string FormatSiren(std::string_view text);

// The Luhn key of the first 8 characters (digits).
std::string ComputeSirenKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's key.
bool TestSirenCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan SirenPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteSiren(const Plan& plan);

// The quick check of a batch (NumberKind::QuickCheck).
QuickAnswer QuickSiren(std::string_view number, std::string& shown, std::string& cause);

// Lists every completion of the plan that the candidate test accepts.
bool SearchSiren(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
