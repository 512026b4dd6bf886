// ISBN, in its two forms, shown hyphenated into its parts:
//
//   ISBN-10   2-07-036822-X        group, registrant, title, check character
//   ISBN-13   978-2-07-036822-8    prefix 978 or 979, group, registrant,
//                                  title, EAN-13 key
//
// An ISBN-10 is nine digits and a check character ("0"-"9" or "X"); an
// ISBN-13 is its prefix, nine digits and a check digit. A text that begins
// with the digits 978 or 979 and holds 11 characters or more (once blanks and
// separators are dropped; unknown markers count) is an ISBN-13; any other is
// an ISBN-10. The group and the registrant take the lengths the International
// ISBN Agency's ranges give them (Ranges.h; an ISBN-10 reads as one of prefix
// 978); the title what is left of the nine digits. A number whose group or
// registrant no range holds is shown without any hyphen: it is no less an
// ISBN. Characters after the key are carried along: the key and the search
// never use them, a hyphenated number leaves them out, an unhyphenated one
// shows them.
#pragma once

#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kIsbnBody = 9;
inline constexpr std::size_t kIsbnLength = 10;
inline constexpr std::size_t kIsbn13Prefix = 3;
inline constexpr std::size_t kIsbn13Body = 12;
inline constexpr std::size_t kIsbn13Length = 13;

// Whether a text without separators is an ISBN-13 (see above).
bool IsIsbn13(std::string_view text);

// Where the key of a text without separators stands: 12 for an ISBN-13, 9
// for an ISBN-10.
std::size_t IsbnKeyAt(std::string_view text);

// What a number is shown as, and whether it is hyphenated.
struct IsbnForm {
    std::string shown;
    bool valid = false;
};

// The field's rule on leaving it: digits and "X" stay, blanks "-" "." "_" are
// dropped, every other character becomes "?"; padded with "?" to the form's
// length (10 or 13); in those characters only digits stay, except an "X" as
// the check character of an ISBN-10.
std::string NormaliseIsbn(std::string_view text);

// Hyphenates a normalised number (see above). An ISBN-10 loses its trailing
// unknown markers, blanks and hyphens; an ISBN-13 keeps its twelve first
// characters and loses only an unknown key. Any text is safe; a short one is
// hyphenated as far as it goes.
IsbnForm FormatIsbn(std::string_view normalised);

// What the field shows after it is left: FormatIsbn(NormaliseIsbn(text)).shown.
std::string ShowIsbn(std::string_view text);

// The key of a text without separators, of the form the text is: for an
// ISBN-10, the check character of the first nine characters (a shorter text
// counts as padded with "0"): weights 10 down to 2, sum modulo 11; 0 gives
// "0", 1 gives "X", any other remainder r the digit 11 - r. For an ISBN-13,
// the EAN-13 check digit of the first twelve.
std::string ComputeIsbnKey(std::string_view text);

// Lists the body of the candidate with its key, as FormatIsbn shows them,
// when the pattern's key is unknown or equals that key. The pattern's form
// (ISBN-10 or ISBN-13) is the candidate's.
bool TestIsbnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the field's text without blanks and "-", padded with unknown
// markers to the form's length; the unknown positions of the body try
// "0"-"9" (for an ISBN-13 those after the prefix); limit 4.
Plan IsbnPlan(std::string_view fieldText);

// The field's new text when the body is complete: it and its key.
std::string CompleteIsbn(const Plan& plan);

// Lists every completion of the plan that the candidate test accepts.
bool SearchIsbn(const Plan& plan, RowStore& sink, SearchPump& pump);

}  // namespace ferrino
