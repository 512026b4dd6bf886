// INSEE number: 13-digit body, 2-digit key (97 - body mod 97).
//
//   positions  1    2-3   4-5    6-7          8-10     11-13  14-15
//              Sexe Année Mois   Département  Commune  Ordre  Clé
//
// The Corsican départements 2A and 2B keep their letter (position 7, after a
// "2" in position 6); the key reads them as 19 and 18. Every other letter is
// an unknown marker.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kInseeBody = 13;
inline constexpr std::size_t kInseeLength = 15;

// Normalises typed text and lays it out as S YY MM DD CCC OOO KK.
std::string FormatInsee(std::string_view text);

// The key "01".."97" of the first 13 characters (digits, and 2A or 2B in
// positions 6-7, read as 19 and 18).
std::string ComputeInseeKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's key; a letter A
// or B in position 7 only after a "2".
bool TestInseeCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
// An unknown sex digit tries 1, 2, 7, 8; an unknown position 7 also tries A
// and B after a "2" or an unknown position 6.
Plan InseePlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteInsee(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
bool SearchInsee(const Plan& plan, RowStore& sink, SearchPump& pump);

// The quick check of a batch (NumberKind::QuickCheck): fifteen digits (a
// Corsican number is left to the full check).
QuickAnswer QuickInsee(std::string_view number, std::string& shown, std::string& cause);

}  // namespace ferrino
