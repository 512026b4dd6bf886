// Health-professional number: eight characters and a key digit (Luhn-like:
// every second value doubled, the digits of every value summed).
//
//   positions  1-2          3          4-8                   9
//              Département  Catégorie  Numéro d'inscription  Clé
//
// Position 2 may also hold "A" (value 10) or "B" (value 11) after a "2", so
// that the départements of Corsica, 2A and 2B, can be written.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kProfBody = 8;
inline constexpr std::size_t kProfLength = 9;

// Normalises typed text and lays it out as 75 1 12345 6. Letters keep their
// place as unknown markers, except "A" and "B" in position 2 after a "2";
// other characters are dropped.
std::string FormatProf(std::string_view text);

// The key "0".."9" of the first eight characters. Non-digits count 0 (but "A"
// and "B" in position 2); a short body is padded with zeros.
std::string ComputeProfKey(std::string_view body);

// Lists the candidate when its key agrees with the pattern's, unless it holds
// "A" or "B" in position 2 after anything but a "2".
bool TestProfCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body
// characters. Every slot counts through 0-9, "A", "B"; all but position 2, and
// position 2 after a first character other than "2" or an unknown one, pass
// over "A" and "B" (they are pumped for but not tried).
Plan ProfPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteProf(const Plan& plan);

// Lists every completion of the plan whose key agrees with the pattern.
// Returns false when stopped.
bool SearchProf(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
