// ISBN: nine digits and a check character ("0"-"9" or "X"), shown hyphenated
// into its registration group, publisher, title and check character.
//
//   2-07-036822-X      group 2, publisher 07, title 036822, check X
//
// The group takes 1 to 5 digits and the publisher 2 to 7, each chosen by the
// value of the digits that lead it; the title takes what is left of the nine
// digits. When nothing is left for the title (or more than six digits) the
// number is shown without hyphens. Characters after the tenth are carried
// along: the key and the search never use them, a hyphenated number leaves
// them out, an unhyphenated one shows them.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kIsbnBody = 9;
inline constexpr std::size_t kIsbnLength = 10;

// What a number is shown as, and whether it could be hyphenated.
struct IsbnForm {
    std::string shown;
    bool valid = false;
};

// The field's rule on leaving it: digits and "X" stay, blanks "-" "." "_" are
// dropped, every other character becomes "?"; padded with "?" to ten
// characters; in the first ten only digits stay, except an "X" in tenth place.
std::string NormaliseIsbn(std::string_view text);

// Hyphenates a normalised number (see above) and removes trailing unknown
// markers, blanks and hyphens. Any text is safe; a short one is hyphenated as
// far as it goes.
IsbnForm FormatIsbn(std::string_view normalised);

// What the field shows after it is left: FormatIsbn(NormaliseIsbn(text)).shown.
std::string ShowIsbn(std::string_view text);

// The check character of the first nine characters (a shorter text counts as
// padded with "0"): weights 10 down to 2, sum modulo 11; 0 gives "0", 1 gives
// "X", any other remainder r the digit 11 - r.
std::string ComputeIsbnKey(std::string_view body);

// Lists the nine digits of the candidate with their check character, as
// FormatIsbn shows them. With an unknown check character in the pattern every
// candidate is listed, hyphenated or not; with a known one only a candidate
// whose check character equals it and that can be hyphenated.
bool TestIsbnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text without blanks and "-", padded with unknown
// markers to ten characters; unknown positions among the first nine try
// "0"-"9"; limit 4.
Plan IsbnPlan(std::string_view fieldText);

// The field's new text when the nine digits are complete: them and their key.
std::string CompleteIsbn(const Plan& plan);

// Lists every completion of the plan that the candidate test accepts.
bool SearchIsbn(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
