// Swiss AVS number, in its two forms.
//
// Old form: ten digits and a check digit, weights 5 4 3 2 7 6 5 4 3 2, modulo
// 11; a body whose check value would be 10 has no check digit.
//
//   positions  1-3            4-5                 6-8                                9-11
//              Groupe du nom  Année de naissance  Sexe, jour et mois de naissance   Numéro d'ordre et clé
//
// Current form (since 2008): thirteen digits, the country code 756, nine
// digits of personal number and the check digit of an EAN-13 code over the
// first twelve, shown as 756.1234.5678.97. A number is read in the current form
// when its normalised text (digits, unknown markers, letters counting as
// unknown markers) holds thirteen characters or more, or twelve beginning
// with 756. A current number is right only with the country code 756: a
// search fills an unknown character there with the one of 756, the typing-
// error search puts back the 756, and the verdict names another code.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kAvsBody = 10;
inline constexpr std::size_t kAvsLength = 11;
inline constexpr std::size_t kAvsCurrentBody = 12;
inline constexpr std::size_t kAvsCurrentLength = 13;
inline constexpr std::size_t kAvsCountryLength = 3;
inline constexpr std::string_view kAvsCountry = "756";

// Whether a normalised text (digits, unknown markers, capitals; separators
// dropped) is read in the current form.
bool IsCurrentAvs(std::string_view normalised);

// Whether a normalised text in the current form begins with 756 (an old
// number always does).
bool AvsCountryIsRight(std::string_view number);

// Where the check digit stands in a pattern: position 11, or 13 in the current form.
std::size_t AvsKeyIndex(std::string_view pattern);

// Normalises typed text and lays it out as 123 45 678 903, or as
// 756.1234.5678.97 in the current form. Letters keep their place as unknown
// markers; other characters are dropped. Trailing unknown markers are not
// shown, but a current number always shows twelve characters, so that it is
// read in the same form again.
std::string FormatAvs(std::string_view text);

// The check value of a body: in the old form "0".."9", or "10" when the body
// has no valid check digit (first ten characters); in the current form the
// EAN-13 check digit of the first twelve. Non-digits count 0; a short body is
// padded with zeros.
std::string ComputeAvsKey(std::string_view body);

// Lists the candidate when it has a check digit and that digit agrees with
// the pattern's (an unknown check digit agrees with any), and, in the current
// form, when it begins with 756.
bool TestAvsCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text read into a pattern (blanks and dots removed,
// padded to its form's length) and its unknown body digits.
Plan AvsPlan(std::string_view fieldText);

// The field's new text when the body is complete: the body and its check
// digit, or the body and "?" when it has none (it then shows ten digits).
std::string CompleteAvs(const Plan& plan);

// Lists every completion of the plan that has a check digit agreeing with
// the pattern's. Returns false when stopped.
bool SearchAvs(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
