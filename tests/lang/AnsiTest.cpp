#include "lang/Texte.h"

#include <gtest/gtest.h>

using namespace skiora::lang;

TEST(Ansi, CodePage1252BothWays) {
    const std::string utf8 = "äöüßÄÖÜ°";
    EXPECT_EQ(NachAnsi(utf8), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\xB0");
    EXPECT_EQ(VonAnsi(NachAnsi(utf8)), utf8);
    // 0x80..0x9F are the code page's own characters, not Latin-1's controls.
    EXPECT_EQ(NachAnsi("€ – „“"), "\x80 \x96 \x84\x93");
    EXPECT_EQ(VonAnsi("\x80\x9F"), "€Ÿ");
    EXPECT_EQ(NachAnsi("a中b😀c"), "a?b?c");
    // Any byte read from a file is written back unchanged.
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(NachAnsi(VonAnsi(alle)), alle);
}

TEST(Ansi, InvalidUtf8NeverCrashesAndCostsOnlyTheBadBytes) {
    // A hex escape would swallow a following hex letter, hence the concatenations.
    EXPECT_EQ(NachAnsi(std::string("a\xFF") + "b"), "a?b");
    EXPECT_EQ(NachAnsi("x\xC3"), "x?");                   // cut off at the end
    EXPECT_EQ(NachAnsi(std::string("\xC3") + "A"), "?A"); // continuation missing
    EXPECT_EQ(NachAnsi("\xC0\xAF"), "??");                // overlong "/"
    EXPECT_EQ(NachAnsi("\xED\xA0\x80"), "???");           // surrogate
    EXPECT_EQ(NachAnsi("\xF4\x90\x80\x80"), "????");      // beyond U+10FFFF
    EXPECT_EQ(NachAnsi("\x80\xBF"), "??");                // stray continuations
    EXPECT_EQ(NachAnsi(std::string("\0a", 2)), std::string("\0a", 2));
}
