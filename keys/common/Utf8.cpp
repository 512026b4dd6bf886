#include "Utf8.h"

#include <array>

namespace ferrino {

namespace {

constexpr char kForeignByte = '\x80';
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

unsigned char Byte(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

// The code point of one well-formed UTF-8 sequence of two to four bytes.
char32_t CodePoint(std::string_view sequence) {
    char32_t c = static_cast<unsigned char>(sequence[0]) & (0x7F >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i) c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return c;
}

}  // namespace

bool IsSpaceSeparator(char32_t c) {
    return c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsHyphen(char32_t c) { return (c >= 0x2010 && c <= 0x2015) || c == 0x2212; }

bool IsInvisibleFormat(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF;
}

std::size_t Utf8Sequence(std::string_view text, std::size_t at, bool* wellFormed) {
    const unsigned char lead = Byte(text, at);
    *wellFormed = lead < 0x80;
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 1;  // a stray continuation byte or a byte no sequence starts with
    }
    std::size_t taken = 1;
    while (taken < length && at + taken < text.size()) {
        const unsigned char next = Byte(text, at + taken);
        if (next < low || next > high) break;
        low = 0x80;
        high = 0xBF;
        ++taken;
    }
    *wellFormed = taken == length;
    return taken;
}

void ToEngine(std::string_view utf8, std::string& out) {
    // ASCII as the field takes it in: small letters become capitals.
    static constexpr auto kCapitals = [] {
        std::array<char, 128> table{};
        for (int c = 0; c < 128; ++c) table[c] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        return table;
    }();
    out.resize(utf8.size());  // never more characters than bytes
    char* to = out.data();
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned char c = Byte(utf8, at);
        if (c < 0x80) {
            *to++ = kCapitals[c];
            ++at;
            continue;
        }
        bool wellFormed = false;
        const std::size_t length = Utf8Sequence(utf8, at, &wellFormed);
        const char32_t code = wellFormed ? CodePoint(utf8.substr(at, length)) : 0;
        at += length;
        if (wellFormed && IsInvisibleFormat(code)) continue;
        *to++ = !wellFormed ? kForeignByte : IsSpaceSeparator(code) ? ' ' : IsHyphen(code) ? '-' : kForeignByte;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void AppendShown(std::string& out, std::string_view engineText) {
    // A control character (an escape sequence for a terminal, say) is never
    // written out as it is.
    const auto plain = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7F;
    };
    std::size_t run = 0;  // the printable run at the start, copied at once
    while (run < engineText.size() && plain(engineText[run])) ++run;
    out.append(engineText.substr(0, run));
    for (char c : engineText.substr(run)) {
        if (plain(c))
            out += c;
        else
            out += kReplacement;
    }
}

}  // namespace ferrino
