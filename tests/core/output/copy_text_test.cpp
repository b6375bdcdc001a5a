#include "output/CopyText.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace {

TSettings::tagCopyOptions Only(BYTE TSettings::tagCopyOptions::*flag)
{
    TSettings::tagCopyOptions options{};
    options.*flag = 1;
    return options;
}

const CodeEntry Row = MakeRow("ERROR_FILE_NOT_FOUND", "2");

TEST(CopyTextLayout, EachColumnAloneKeepsItsLeadingLabel)
{
    using O = TSettings::tagCopyOptions;
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopyMnemonic)), "ERROR_FILE_NOT_FOUND");
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopyCode)), " Code : 2");
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopyFacility)), " Facility : NULL");
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopySeverity)), " Severity : 0");
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopyHeaderFile)), " FileName : winerror.h");
    EXPECT_EQ(FormatCopyText(Row, Only(&O::CopyLineNumber)), " Line : 123");
}

TEST(CopyTextLayout, AllSixInFixedOrderWithoutNumberOrOffsets)
{
    const TSettings::tagCopyOptions all{1, 1, 1, 1, 1, 1, 0, 0};
    EXPECT_EQ(FormatCopyText(Row, all),
              "ERROR_FILE_NOT_FOUND Code : 2 Facility : NULL Severity : 0 "
              "FileName : winerror.h Line : 123");
}

TEST(CopyTextLayout, DestinationFlagsAddNothing)
{
    const TSettings::tagCopyOptions options{0, 1, 0, 0, 0, 1, 1, 1};
    EXPECT_EQ(FormatCopyText(Row, options), " Code : 2 Line : 123");
}

TEST(CopyColumns, OnlyTheSixColumnFlagsCount)
{
    EXPECT_FALSE(HasCopyColumns({0, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_TRUE(HasCopyColumns({0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(HasCopyColumns({0, 0, 0, 0, 0, 2, 0, 0})) << "any nonzero byte is on";
}

} // namespace
