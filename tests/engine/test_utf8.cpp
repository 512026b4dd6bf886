// Between UTF-8 text and the engine's: blanks beyond ASCII, and sequences that
// are not UTF-8, each of which is one unreadable character.
#include <gtest/gtest.h>

#include <string>

#include "common/Utf8.h"

using namespace ferrino;

TEST(Utf8, ToEngine) {
    const struct {
        std::string utf8;
        std::string engine;
    } cases[] = {
        {"12ab?", "12AB?"},
        // Spaces of Unicode's category Zs are blanks, from U+2000 to the hair space U+200A.
        {"1\xC2\xA0" "2\xE2\x80\xAF" "3", "1 2 3"},
        {"1\xE2\x80\x80" "2\xE2\x80\x8A" "3", "1 2 3"},
        {"1\xE1\x9A\x80" "2\xE2\x81\x9F" "3\xE3\x80\x80", "1 2 3 "},
        // Invisible format characters are dropped: U+200B to U+200F, U+202A to
        // U+202E, U+2060 to U+2064, U+FEFF; their neighbours U+2010 (a
        // hyphen), U+2029, U+202F (a blank) and U+2065 are not.
        {"1\xE2\x80\x8B" "2\xE2\x80\x8F" "3\xE2\x80\xAA" "4\xE2\x80\xAE" "5\xE2\x81\xA0" "6\xE2\x81\xA4" "7\xEF\xBB\xBF" "8",
         "12345678"},
        {"1\xE2\x80\x90" "2\xE2\x80\xA9" "3\xE2\x80\xAF" "4\xE2\x81\xA5" "5", "1-2\x80" "3 4\x80" "5"},
        // Hyphens and dashes of word processors, and the minus sign, are hyphens.
        {"1\xE2\x80\x91" "2\xE2\x80\x93" "3\xE2\x80\x94" "4\xE2\x88\x92" "5\xE2\x80\x96", "1-2-3-4-5\x80"},
        // Other characters are foreign, one byte each.
        {"1\xC3\xA9" "2\xE2\x82\xAC" "3\xF0\x9F\x98\x80", "1\x80" "2\x80" "3\x80"},
        // Overlong forms of U+00A0 and of digits are no blank and no digit.
        {"1\xE0\x82\xA0" "2", "1\x80\x80\x80" "2"},
        {"\xC0\xB1\xC1\xB2", "\x80\x80\x80\x80"},
        {"\xE0\x80\xB1", "\x80\x80\x80"},
        {"\xF0\x80\x80\xB1", "\x80\x80\x80\x80"},
        // A surrogate, a code point beyond U+10FFFF, stray bytes.
        {"\xED\xA0\x80", "\x80\x80\x80"},
        {"\xF4\x90\x80\x80", "\x80\x80\x80\x80"},
        {"\x80\xBF\xFE\xFF", "\x80\x80\x80\x80"},
        // A sequence cut short is one character, whatever follows it.
        {"\xE2\x82" "1", "\x80" "1"},
        {"\xF0\x9F\x98", "\x80"},
    };
    for (const auto& c : cases) {
        std::string engine;
        ToEngine(c.utf8, engine);
        EXPECT_EQ(engine, c.engine) << testing::PrintToString(c.utf8);
    }
}

TEST(Utf8, AppendShown) {
    const struct {
        std::string engine;
        std::string shown;
    } cases[] = {
        {"FR 76 ?", "FR 76 ?"},
        {"1\x80" "2", "1\xEF\xBF\xBD" "2"},
        // No control character goes out: the escape, U+001F, DEL.
        {"\x1B[2J\x1F\x7F\t", "\xEF\xBF\xBD[2J\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        std::string shown = "> ";
        AppendShown(shown, c.engine);
        EXPECT_EQ(shown, "> " + c.shown) << testing::PrintToString(c.engine);
    }
}
