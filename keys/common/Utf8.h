// Between UTF-8 text, as a terminal, a file or a browser gives it, and the
// engine's text.
//
// The engine works on one byte per character: the window turns every
// character that is not plain ASCII into the byte '\x80', and so does
// ToEngine. Engine text goes back out as UTF-8, where a byte '\x80' (which can
// only come from such a character) becomes U+FFFD, as the window shows it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ferrino {

// The length (at least 1) of the UTF-8 sequence starting at text[at], and
// whether it is a well-formed character. An ill-formed sequence is the longest
// start of a well-formed one (or a single byte), so that it counts as one
// unreadable character.
std::size_t Utf8Sequence(std::string_view text, std::size_t at, bool* wellFormed);

// A space separator of Unicode beyond ASCII (category Zs): the no-break space,
// the spaces of typography, the narrow no-break space and their like. Both
// the window and ToEngine read them as ordinary blanks.
bool IsSpaceSeparator(char32_t c);

// A hyphen or dash beyond ASCII (U+2010 to U+2015, the minus sign U+2212),
// which word processors put in place of "-": both the window and ToEngine
// read it as "-".
bool IsHyphen(char32_t c);

// An invisible format character, which a copy from a web page or a document
// brings along unseen: the zero-width space, joiners and direction marks
// (U+200B to U+200F), the direction embeddings and overrides (U+202A to
// U+202E), the word joiner and invisible operators (U+2060 to U+2064) and the
// byte order mark (U+FEFF). Both the window and ToEngine drop them.
bool IsInvisibleFormat(char32_t c);

// The number as the window's field holds it: small letters become capitals
// (the field's upper-case entry), every other ASCII byte stays, a space
// separator (no-break space, narrow no-break space...) becomes a blank, a
// hyphen or dash "-", an invisible format character is dropped, and each other character that is
// not ASCII, or each ill-formed sequence, becomes '\x80'.
void ToEngine(std::string_view utf8, std::string& out);

// Appends engine text as UTF-8: a byte from 0x80 up, or a control character,
// becomes U+FFFD.
void AppendShown(std::string& out, std::string_view engineText);

}  // namespace ferrino
