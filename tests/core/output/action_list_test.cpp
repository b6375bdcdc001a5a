#include "output/ActionListRules.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(ActionListDuplicates, SameMnemonicInAnyCaseIsListed)
{
    VectorRows action;
    EXPECT_FALSE(IsMnemonicListed(action, "ERROR_FILE_NOT_FOUND"));
    action.rows.push_back(MakeRow("ERROR_FILE_NOT_FOUND", "2"));
    EXPECT_TRUE(IsMnemonicListed(action, "ERROR_FILE_NOT_FOUND"));
    EXPECT_TRUE(IsMnemonicListed(action, "Error_File_Not_Found"));
}

TEST(ActionListDuplicates, WholeTextMustMatch)
{
    VectorRows action;
    action.rows.push_back(MakeRow("E_FAIL", "1"));
    EXPECT_FALSE(IsMnemonicListed(action, "E_FAI"));
    EXPECT_FALSE(IsMnemonicListed(action, "E_FAILED"));
}

TEST(FindSameEntry, PicksRowFromMatchingHeader)
{
    VectorRows codes;
    codes.rows.push_back(MakeRow("ERROR_X", "7", "a.h", "10", "300"));
    codes.rows.push_back(MakeRow("ERROR_X", "7", "b.h", "10", "300"));
    const CodeEntry listed = MakeRow("ERROR_X", "7", "b.h", "10", "300");
    EXPECT_EQ(FindSameEntry(&listed, &codes), 1);
}

TEST(FindSameEntry, LineOffsetCountsLineLengthDoesNot)
{
    VectorRows codes;
    codes.rows.push_back(MakeRow("ERROR_X", "7", "a.h", "10", "300"));
    CodeEntry listed = codes.rows[0];
    listed.SubItems[ciLineLength] = "999";
    EXPECT_EQ(FindSameEntry(&listed, &codes), 0);
    listed.SubItems[ciLineOffset] = "301";
    EXPECT_EQ(FindSameEntry(&listed, &codes), -1);
}

TEST(FindSameEntry, CaseSensitiveAndFirstMatchWins)
{
    VectorRows codes;
    codes.rows.push_back(MakeRow("error_x", "7"));
    codes.rows.push_back(MakeRow("ERROR_X", "7"));
    codes.rows.push_back(MakeRow("ERROR_X", "7"));
    const CodeEntry listed = MakeRow("ERROR_X", "7");
    EXPECT_EQ(FindSameEntry(&listed, &codes), 1);
}

TEST(FindSameEntry, AbsentRowOrListGivesMinusOne)
{
    VectorRows codes;
    const CodeEntry listed = MakeRow("ERROR_X", "7");
    EXPECT_EQ(FindSameEntry(nullptr, &codes), -1);
    EXPECT_EQ(FindSameEntry(&listed, nullptr), -1);
    EXPECT_EQ(FindSameEntry(&listed, &codes), -1);
}

} // namespace
