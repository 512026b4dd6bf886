// Between the window's text and the engine's single-byte text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "common/Utf8.h"

// Every character that is not plain ASCII becomes one byte that is neither a
// digit, a letter nor the unknown marker, so that it can never pass for "?"
// (as a Latin-1 conversion would make of the characters it cannot map). The
// blanks of typography (no-break space, narrow no-break space and every other
// space separator) are ordinary blanks, the hyphens and dashes of word
// processors "-", and the invisible format characters
// a copy brings along (zero-width space, direction marks...) are dropped, as
// the engine's ToEngine does.
inline constexpr char kForeignByte = '\x80';

inline std::string ToEngine(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t c : text.toUcs4()) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (!ferrino::IsInvisibleFormat(c))
            out += ferrino::IsSpaceSeparator(c) ? ' ' : ferrino::IsHyphen(c) ? '-' : kForeignByte;
    }
    return out;
}

inline QString FromEngine(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) out += static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar(0xFFFD);
    return out;
}
