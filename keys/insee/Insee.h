// INSEE number: 13-digit body, 2-digit key (97 - body mod 97).
//
//   positions  1    2-3   4-5    6-7          8-10     11-13  14-15
//              Sexe Année Mois   Département  Commune  Ordre  Clé
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kInseeBody = 13;
inline constexpr std::size_t kInseeLength = 15;

// Normalises typed text and lays it out as S YY MM DD CCC OOO KK.
std::string FormatInsee(std::string_view text);

// The key "01".."97" of the first 13 characters (digits).
std::string ComputeInseeKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's key.
bool TestInseeCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan InseePlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteInsee(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
bool SearchInsee(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
