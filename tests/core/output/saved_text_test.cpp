#include "output/SavedText.h"

#include <gtest/gtest.h>

TEST(UnmappableCharacters, CountEachCharacterSavedAsQuestionMark)
{
    const struct {
        std::u16string_view Text;
        std::size_t Count;
    } cases[] = {
        {u"", 0},
        {u"plain ASCII?", 0},
        {u"caf\u00e9 \u20ac \u0178 \u2122", 0}, // Latin-1 and the code page's 0x80..0x9F
        {u"\u03a9", 1},                         // typed Omega
        {u"\u0081\u00a0", 0},                   // unassigned bytes pass as C1 controls
        {u"\u4e2d\u6587", 2},
        {u"a\U0001F600b", 1}, // a pair is one character
        {u"\U0001F600\U0001F600", 2},
        {u"\xd83d", 1},        // lone high surrogate at the end
        {u"\xde00x\xd83d", 2}, // low before high: two lone halves
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnmappableCharacterCount(c.Text), c.Count) << testing::PrintToString(std::u16string(c.Text));
}
