// AVS number: ten digits and a check digit, weights 5 4 3 2 7 6 5 4 3 2,
// modulo 11. A body whose check value would be 10 has no check digit.
//
//   positions  1-3            4-5                 6-8                                9-11
//              Groupe du nom  Année de naissance  Sexe, jour et mois de naissance   Numéro d'ordre et clé
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kAvsBody = 10;
inline constexpr std::size_t kAvsLength = 11;

// Normalises typed text and lays it out as 123 45 678 903. Letters keep their
// place as unknown markers; other characters are dropped.
std::string FormatAvs(std::string_view text);

// The check value of the first ten characters: "0".."9", or "10" when the
// body has no valid check digit. Non-digits count 0; a short body is padded
// with zeros.
std::string ComputeAvsKey(std::string_view body);

// Lists the candidate when it has a check digit and that digit agrees with
// the pattern's (an unknown check digit agrees with any).
bool TestAvsCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan AvsPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its check
// digit, or the body and "?" when it has none (it then shows ten digits).
std::string CompleteAvs(const Plan& plan);

// Lists every completion of the plan that has a check digit agreeing with
// the pattern's. Returns false when stopped.
bool SearchAvs(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
