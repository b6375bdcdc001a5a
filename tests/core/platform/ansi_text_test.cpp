#include "platform/win32.h"
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

TEST(AnsiCompare, LettersDecideBeforeCase)
{
    EXPECT_LT(lstrcmpA("apple", "Banana"), 0);
    EXPECT_GT(lstrcmpA("Banana", "apple"), 0);
    EXPECT_LT(lstrcmpA("abc", "ABC"), 0) << "lower case sorts before upper case";
    EXPECT_LT(lstrcmpA("ABC", "abd"), 0) << "the letters decide before the case";
}

TEST(AnsiCompare, ZeroOnlyForIdenticalTexts)
{
    EXPECT_EQ(lstrcmpA("ERROR_", "ERROR_"), 0);
    EXPECT_NE(lstrcmpA("ERROR_", "error_"), 0);
    EXPECT_EQ(lstrcmpiA("ERROR_", "error_"), 0);
    EXPECT_NE(lstrcmpiA("\xE9", "e"), 0) << "an accent is not a case difference";
    EXPECT_EQ(lstrcmpiA("\xE9t\xE9", "\xC9T\xC9"), 0);
}

TEST(AnsiCompare, AccentsSortBesideTheirBaseLetter)
{
    EXPECT_LT(lstrcmpA("\xE9", "f"), 0);
    EXPECT_GT(lstrcmpA("\xE9", "e"), 0);
    EXPECT_LT(lstrcmpA("\xE9"
                       "a",
                       "eb"),
              0)
        << "the base letters decide before the accent";
}

TEST(AnsiCompare, SymbolsThenDigitsThenLetters)
{
    EXPECT_LT(lstrcmpA("_", "0"), 0);
    EXPECT_LT(lstrcmpA("9", "a"), 0);
    EXPECT_LT(lstrcmpA("ERROR", "ERROR_A"), 0) << "a prefix sorts first";
}

TEST(AnsiCompare, IsATotalOrderOverSampleTexts)
{
    const char* texts[] = {"", "a", "A", "b", "B", "\xE0", "\xC0", "_", "0", "ab", "aB", "Ab", "\xDF", "ss"};
    for (const char* x : texts) {
        for (const char* y : texts) {
            EXPECT_EQ(Sign(lstrcmpA(x, y)), -Sign(lstrcmpA(y, x))) << x << " / " << y;
            // ß weighs as "ss"; every other text equals only itself.
            const bool sharpS = (std::string(x) == "\xDF" && std::string(y) == "ss")
                                || (std::string(x) == "ss" && std::string(y) == "\xDF");
            EXPECT_EQ(lstrcmpA(x, y) == 0, std::string(x) == y || sharpS) << x << " / " << y;
            for (const char* z : texts) {
                if (lstrcmpA(x, y) < 0 && lstrcmpA(y, z) < 0) {
                    EXPECT_LT(lstrcmpA(x, z), 0) << x << " / " << y << " / " << z;
                }
            }
        }
    }
}

TEST(AnsiCompare, NullSortsFirst)
{
    EXPECT_EQ(lstrcmpA(nullptr, nullptr), 0);
    EXPECT_LT(lstrcmpA(nullptr, ""), 0);
    EXPECT_GT(lstrcmpiA("a", nullptr), 0);
}

TEST(AnsiUpper, UpperCasesAccentedLettersOfTheCodePage)
{
    char text[] = "error_\xE9\xFF\x9A\xDF\xB5\xF7z";
    EXPECT_EQ(CharUpperBuffA(text, sizeof text - 1), sizeof text - 1);
    EXPECT_STREQ(text, "ERROR_\xC9\x9F\x8A\xDF\xB5\xF7Z") << "sharp s, micro and the division sign stay";
}

TEST(AnsiUpper, StopsAtTheGivenLength)
{
    char text[] = "abc";
    CharUpperBuffA(text, 2);
    EXPECT_STREQ(text, "ABc");
}

TEST(AnsiClasses, LettersAndDigitsOfTheCodePage)
{
    EXPECT_TRUE(IsCharAlphaNumericA('a'));
    EXPECT_TRUE(IsCharAlphaNumericA('7'));
    EXPECT_TRUE(IsCharAlphaNumericA('\xE9'));
    EXPECT_TRUE(IsCharAlphaNumericA('\x8A'));
    EXPECT_FALSE(IsCharAlphaNumericA('_'));
    EXPECT_FALSE(IsCharAlphaNumericA('\xD7')) << "the multiplication sign";
    EXPECT_FALSE(IsCharAlphaNumericA('\xBB')) << "a UTF-8 byte order mark byte";
    EXPECT_FALSE(IsCharAlphaNumericA('\x01'));
}

TEST(Codepage, RoundTripsEveryAssignedByte)
{
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToAnsi1252(Ansi1252ToUtf8(one)), one) << b;
    }
    EXPECT_EQ(Ansi1252ToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(Codepage, UnmappableAndMalformedBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToAnsi1252("\xE4\xB8\xAD"), "?") << "a CJK character";
    EXPECT_EQ(Utf8ToAnsi1252("a\xC3"), "a?") << "a truncated sequence";
    EXPECT_EQ(Utf8ToAnsi1252("\xFF"), "?");
}

TEST(Codepage, ExactConversionRefusesWhatWouldBecomeAQuestionMark)
{
    const struct {
        const char* utf8;
        bool fits;
    } cases[] = {
        {"ERROR_?", true},
        {"\xC3\x89T_\xE2\x82\xAC", true},         // E acute and the euro sign
        {"\xD0\x9E\xD0\xA8_\xE2\x82\xAC", false}, // Cyrillic beside the euro sign
        {"a\xC3", false},
        {"\xFF", false},
    };
    for (const auto& c : cases) {
        const auto exact = Utf8ToAnsi1252Exactly(c.utf8);
        EXPECT_EQ(exact.has_value(), c.fits) << c.utf8;
        if (exact) {
            EXPECT_EQ(*exact, Utf8ToAnsi1252(c.utf8)) << c.utf8;
        }
    }
}

TEST(Codepage, Utf16FitsOnlyWhenEveryCharacterHasAByte)
{
    EXPECT_TRUE(FitsAnsi1252(u"Zugriff verweigert \u20AC\u00E9"));
    EXPECT_FALSE(FitsAnsi1252(u"\u041E\u0442\u043A\u0430\u0437"));
    EXPECT_FALSE(FitsAnsi1252(u"Dost\u0119p"));
    EXPECT_FALSE(FitsAnsi1252(u"\xD83D\xDE00")) << "a surrogate pair";
}

} // namespace
