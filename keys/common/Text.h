// Text helpers shared by every kind of number.
//
// Numbers are single-byte strings. The window turns every character that is
// not plain ASCII into one byte that is neither a digit, a letter nor the
// unknown marker, so these helpers only ever see bytes.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace ferrino {

constexpr char kUnknown = '?';

// Symbols a position may take, in the order the searches try them.
inline constexpr std::string_view kDigits = "0123456789";
inline constexpr std::string_view kDigitsAndLetters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
constexpr int DigitValue(char c) { return IsDigit(c) ? c - '0' : 0; }

// 0-9 -> "0"-"9", 10-35 -> "A"-"Z", 36 -> " ", anything else -> "".
std::string ValueSymbol(int value);

// Appends `fill` until the text holds at least `length` characters.
std::string PadRight(std::string text, std::size_t length, char fill);

// Appends unknown markers until the text holds at least `length` characters.
inline std::string PadUnknown(std::string text, std::size_t length) {
    return PadRight(std::move(text), length, kUnknown);
}

// Removes every trailing "?", blank and "-", one by one from the end.
std::string TrimShown(std::string text);

// Lays the characters of `text` out in groups of the given widths separated by
// single blanks (a missing character counts as an unknown marker), then drops
// the trailing unknown markers, blanks and hyphens: a number's display form.
std::string ShowGrouped(std::string_view text, std::span<const std::size_t> widths);

// The text without its blanks.
std::string RemoveBlanks(std::string_view text);

// What may stand between the characters of a number without being one of
// them: a blank (a tab or a line break included), a hyphen, a dot, an
// underscore or a slash.
constexpr bool IsSeparator(char c) {
    return c == ' ' || c == '-' || c == '.' || c == '_' || c == '/' || c == '\t' || c == '\n' || c == '\r' ||
           c == '\v' || c == '\f';
}

// What a person typed or pasted (engine text, see Utf8.h), as the characters
// of the number: separators dropped, "*" made the unknown marker "?", every
// other character kept in its place for the kind to judge. The one rule of every kind's whole number, whatever the
// field, the mode or the program: "FR76-3000.6000 0112" and "FR7630006000112"
// are one number. (The invisible characters of Unicode never reach the
// engine: ToEngine drops them.)
std::string NumberCharacters(std::string_view typed);

// The digits of a number written with digits and separators alone (a number
// in its plain form, "732 829 320 00074"), copied into `digits`: their count.
// 0 when the text holds any other character, or more digits than `digits`
// has room for.
std::size_t PlainDigits(std::string_view text, std::span<char> digits);

// Keeps digits, capital letters and unknown markers, in order; drops the rest.
std::string KeepDigitsCapitalsUnknown(std::string_view text);

// A number from 0 to 99 written with two digits.
std::string TwoDigits(int value);

// The characters [first, first + count) of `text`, or fewer where it is short.
inline std::string_view Slice(std::string_view text, std::size_t first, std::size_t count) {
    if (first >= text.size()) return {};
    return text.substr(first, count);
}

}  // namespace ferrino
