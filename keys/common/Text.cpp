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

std::string ShowGrouped(std::string_view text, std::span<const std::size_t> widths) {
    std::string shown;
    shown.reserve(text.size() + widths.size());
    std::size_t at = 0;
    for (std::size_t width : widths) {
        if (at) shown += ' ';
        for (std::size_t end = at + width; at < end; ++at) shown += at < text.size() ? text[at] : kUnknown;
    }
    return TrimShown(std::move(shown));
}

std::string RemoveBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

std::string NumberCharacters(std::string_view typed) {
    std::string out;
    out.reserve(typed.size());
    for (char c : typed) {
        if (IsSeparator(c)) continue;
        out += c == '*' ? kUnknown : c;
    }
    return out;
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
