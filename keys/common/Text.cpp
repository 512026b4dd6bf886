#include "Text.h"

namespace ferrino {

std::string ValueSymbol(int value) {
    if (value >= 0 && value <= 35) return std::string(1, kDigitsAndLetters[static_cast<std::size_t>(value)]);
    if (value == 36) return " ";
    return {};
}

std::string PadRight(std::string text, std::size_t length, char fill) {
    if (text.size() < length) text.append(length - text.size(), fill);
    return text;
}

std::string TrimShown(std::string text) {
    while (!text.empty()) {
        const char last = text.back();
        if (last != kUnknown && last != ' ' && last != '-') break;
        text.pop_back();
    }
    return text;
}

// These run for every number a batch check reads: each sizes its result once
// and writes it in place.

std::string ShowGrouped(std::string_view text, std::span<const std::size_t> widths) {
    std::size_t length = 0;
    for (std::size_t width : widths) length += width;
    std::string shown(length + (widths.empty() ? 0 : widths.size() - 1), ' ');
    char* to = shown.data();
    std::size_t at = 0;
    for (std::size_t width : widths) {
        if (at) ++to;  // the blank between two groups
        for (std::size_t end = at + width; at < end; ++at) *to++ = at < text.size() ? text[at] : kUnknown;
    }
    // Then the trailing unknown markers, blanks and hyphens go (TrimShown).
    std::size_t kept = shown.size();
    while (kept > 0 && (shown[kept - 1] == kUnknown || shown[kept - 1] == ' ' || shown[kept - 1] == '-')) --kept;
    shown.resize(kept);
    return shown;
}

std::string RemoveBlanks(std::string_view text) {
    std::string out(text.size(), '\0');
    char* to = out.data();
    for (char c : text)
        if (c != ' ') *to++ = c;
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

std::string NumberCharacters(std::string_view typed) {
    std::string out(typed.size(), '\0');
    char* to = out.data();
    for (char c : typed) {
        if (IsSeparator(c)) continue;
        *to++ = c == '*' ? kUnknown : c;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

std::size_t PlainDigits(std::string_view text, std::span<char> digits) {
    std::size_t count = 0;
    for (char c : text) {
        if (IsDigit(c)) {
            if (count == digits.size()) return 0;
            digits[count++] = c;
        } else if (!IsSeparator(c)) {
            return 0;
        }
    }
    return count;
}

std::string KeepDigitsCapitalsUnknown(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (IsDigit(c) || IsCapital(c) || c == kUnknown) out += c;
    return out;
}

std::string TwoDigits(int value) {
    std::string out(2, '0');
    out[0] = static_cast<char>('0' + (value / 10) % 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out;
}

}  // namespace ferrino
