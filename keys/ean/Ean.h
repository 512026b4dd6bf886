// EAN and UPC bar-code numbers: data digits followed by one check digit, in
// four code types chosen by the page's combo box (its rows, in this order):
//
//   type      row  digits  shown as            shown length
//   EAN 8      0     8     dddd dddd                9
//   EAN 13     1    13     d dddddd dddddd         15
//   UPC-A      2    12     d ddddd dddddd          14   (check digit joined to the last block)
//   UPC-C      3     8     d dddddd d              10
//   UPC-E      4     8     d dddddd d              10
//
// Counting from the right with the check digit as position 1, a digit in an
// even position weighs 3 and one in an odd position 1; the check digit brings
// the weighted sum up to a multiple of ten. UPC-E is the short form of a
// UPC-A number: a number system (0 or 1), six data digits and the check digit
// of the UPC-A number they stand for; another number system has no check
// digit.
//
// The field shows digits and unknown markers: leaving it drops separators,
// turns any other character into an unknown marker, which keeps its place,
// and shows at most the type's number of characters. "Calcule" then treats
// the missing trailing digits as unknown and searches the unknown ones.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

// The code types, numbered as the rows of the page's combo box. A value
// outside 0-4 is read as EanType::Ean13, the type the page starts with.
enum class EanType { Ean8 = 0, Ean13 = 1, UpcA = 2, UpcC = 3, UpcE = 4 };

inline constexpr int kEanTypeCount = 5;

// The combo box's text of a type: "EAN 8", "EAN 13", "UPC-A", "UPC-C", "UPC-E".
std::string_view EanTypeName(EanType type);

// Digits of a complete number of that type, check digit included: 8, 13, 12, 8, 8.
std::size_t EanLength(EanType type);

// The type of a listed row, chosen by its length (9 "EAN 8", 15 "EAN 13", 14
// "UPC-A", 10 "UPC-C"); `current` for any other length. `listedBy`, the type
// whose search filled the list, wins when its rows have that length, so a
// UPC-E row (as long as a UPC-C one) chooses UPC-E.
EanType EanTypeForShownLength(std::size_t shownLength, EanType current, EanType listedBy = EanType::Ean13);

// The display form: the text's digits and unknown markers, closed up, the
// first EanLength(type) of them laid out in the type's blocks, nothing after
// the last digit.
std::string FormatEan(std::string_view text, EanType type);

// The field's rule on leaving it, before FormatEan: digits stay, blanks "-"
// "." "_" are dropped, every other character becomes "?"; padded with "?" to
// the type's length.
std::string NormaliseEan(std::string_view text, EanType type);

// How many characters of a typed text are part of the number: all but the
// separators NormaliseEan drops.
std::size_t EanCharacters(std::string_view text);

// What the field shows after it is left: FormatEan(NormaliseEan(text)).
std::string ShowEan(std::string_view text, EanType type);

// The check digit of the first n - 1 characters (a shorter text counts as
// padded with "0") of a number of n digits. Safe for any n.
std::string ComputeEanKey(std::string_view text, std::size_t n);

// The UPC-A number of eleven digits (without check digit) that the seven
// first characters of a UPC-E number stand for (number system and six data
// digits; a shorter text counts as padded with "0").
std::string ExpandUpcE(std::string_view text);

// The check digit of a number of the type, from its data digits; empty when
// none exists (UPC-E with a number system other than 0 or 1).
std::string ComputeEanTypeKey(std::string_view text, EanType type);

// Lists the candidate's data digits with their computed check digit when the
// pattern's check position holds that digit or an unknown marker.
bool TestEanCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink, EanType type);

// "Calcule": the field's text without blanks, padded with unknown markers to
// the type's length; unknown positions before the check digit try "0"-"9";
// limit 4.
Plan EanPlan(std::string_view fieldText, EanType type);

// The field's new text when the data digits are complete: them and their key,
// or "?" in its place when none exists (the field then shows no check digit).
std::string CompleteEan(const Plan& plan, EanType type);

// Lists every completion of the plan that the candidate test accepts.
bool SearchEan(const Plan& plan, RowStore& sink, SearchPump& pump, EanType type);

// The quick check of a batch (NumberKind::QuickCheck) of a number of the
// type: a UPC-E number system without a key is left to the full check.
QuickAnswer QuickEan(std::string_view number, EanType type, std::string& shown, std::string& cause);

}  // namespace ferrino
