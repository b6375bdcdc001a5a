#include "output/LastErrorPanelRules.h"
#include "output/SystemMessageText.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

TEST(CodeNumberReading, FollowsTheCLibraryRules)
{
    EXPECT_EQ(CodeNumber("  5abc"), 5);
    EXPECT_EQ(CodeNumber("\t\r\n\v\f 7"), 7);
    EXPECT_EQ(CodeNumber("0x"), 0);
    EXPECT_EQ(CodeNumber("0xg"), 0);
    EXPECT_EQ(CodeNumber("-0x5"), 0);
    EXPECT_EQ(CodeNumber("abc"), 0);
    EXPECT_EQ(CodeNumber(""), 0);
    EXPECT_EQ(CodeNumber("+12"), 12);
    EXPECT_EQ(CodeNumber("-1"), -1);
    EXPECT_EQ(CodeNumber("- 1"), 0);
    EXPECT_EQ(CodeNumber("+-1"), 0);
    EXPECT_EQ(CodeNumber("007"), 7);
}

TEST(CodeNumberReading, ReadsHexadecimalAfter0x)
{
    EXPECT_EQ(CodeNumber("0x5"), 5);
    EXPECT_EQ(CodeNumber(" 0X80070005"), static_cast<LONG>(0x80070005u));
    EXPECT_EQ(CodeNumber("0x8007000eL"), static_cast<LONG>(0x8007000Eu));
    EXPECT_EQ(CodeNumber("0xFFFFFFFF"), -1);
    EXPECT_EQ(CodeNumber("0x100000005"), 5);
}

TEST(CodeNumberReading, WrapsIn32Bits)
{
    EXPECT_EQ(CodeNumber("2147483647"), 2147483647);
    EXPECT_EQ(CodeNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(CodeNumber("2147942402"), static_cast<LONG>(0x80070002u));
    EXPECT_EQ(CodeNumber("4294967295"), -1);
    EXPECT_EQ(CodeNumber("4294967296"), 0);
    EXPECT_EQ(CodeNumber("99999999999999999999999"), static_cast<LONG>(4135583743u));
}

TEST(CodeNumberReading, StopsAtAZeroByte)
{
    EXPECT_EQ(CodeNumber(std::string_view("12\0"
                                          "3",
                                          4)),
              12);
}

TEST(ManualPanelDocking, LowerHalfDocksAtTheBottom)
{
    EXPECT_TRUE(DocksAtBottom(51, 100));
    EXPECT_FALSE(DocksAtBottom(50, 100));
    EXPECT_FALSE(DocksAtBottom(0, 100));
    // An odd height rounds its half down.
    EXPECT_FALSE(DocksAtBottom(50, 101));
    EXPECT_TRUE(DocksAtBottom(51, 101));
}

TEST(SystemMessageLookup, GivesTheSystemsTextWithItsLineEnd)
{
    const std::string text = SystemMessageText(2);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text, SystemMessageText(5));
}

TEST(SystemMessageLookup, MinusOneMeansTheCurrentLastError)
{
    SetLastError(5);
    EXPECT_EQ(SystemMessageText(-1), SystemMessageText(5));
    SetLastError(2);
    EXPECT_EQ(SystemMessageText(-1), SystemMessageText(2));
}

TEST(SystemMessageLookup, CodeWithoutAMessageGivesAnEmptyText)
{
    EXPECT_EQ(SystemMessageText(0x7FFFFFF0), "");
}
