// SIRET number: the 9-digit SIREN number, a 4-digit establishment number and
// a Luhn check digit over the 13 digits before it.
//
//   positions  1-9     10-13            14
//              SIREN   Établissement    Clé       e.g. 123456782 0001 0
//
// Typed text keeps digits, "?" and capital letters (capitals become unknown
// markers); every other character is dropped. A SIRET is right when its key
// fits and the SIREN inside is right too (its own Luhn key). A search, and
// the typing-error search, list only such numbers, and never one whose
// establishment number is 0000; completing a number without unknown markers
// gives it its key whatever that number (the verdict names a wrong SIREN).
//
// The establishments of La Poste (SIREN 356 000 000) have no Luhn key: the
// sum of their fourteen digits, none doubled, is a multiple of 5, so two keys
// fit each of them and "Calcule" lists both (or the one typed) rather than
// writing one. The head office, 356 000 000 00048, keeps its Luhn key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

inline constexpr std::size_t kSiretBody = 13;
inline constexpr std::size_t kSiretLength = 14;

// Normalises typed text and lays it out as ddddddddd dddd d.
std::string FormatSiret(std::string_view text);

// The Luhn key of the first 13 characters (digits).
std::string ComputeSiretKey(std::string_view body);

// The keys that fit the first 13 characters: the Luhn key, or the two keys of
// a La Poste establishment, in increasing order.
std::vector<std::string> SiretKeys(std::string_view body);

// Whether the first nine characters are a SIREN whose key is right.
bool SirenIsRight(std::string_view number);

// Refuses a candidate whose establishment number is 0000 or whose SIREN is
// wrong; otherwise lists it when its key agrees with the pattern's key.
bool TestSiretCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern and its unknown body digits.
Plan SiretPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its key.
std::string CompleteSiret(const Plan& plan);

// The quick check of a batch (NumberKind::QuickCheck): a La Poste
// establishment, or a right key with a wrong SIREN, is left to the full check.
QuickAnswer QuickSiret(std::string_view number, std::string& shown, std::string& cause);

// Lists every completion of the plan that the candidate test accepts.
bool SearchSiret(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
