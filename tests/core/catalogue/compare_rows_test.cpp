#include "catalogue/CompareCodeRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kCaption = -1;
constexpr int kCode = 0;
constexpr int kFacility = 1;
constexpr int kSeverity = 2;
constexpr int kHeader = 4;
constexpr int kLine = 5;

CodeEntry Row(const std::string& mnemonic, const std::string& code, const std::string& facility = "NULL")
{
    CodeEntry row;
    row.Mnemonic = mnemonic;
    row.SubItems[ciCode] = code;
    row.SubItems[ciFacility] = facility;
    row.SubItems[ciSeverity] = code.front() == '-' ? "1" : "0";
    return row;
}

std::vector<std::string> SortedCodes(std::vector<CodeEntry> rows, int column, bool ascending)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const CodeEntry& a, const CodeEntry& b) {
        return CompareCodeRows(a, b, column, ascending) < 0;
    });
    std::vector<std::string> codes;
    for (const CodeEntry& row : rows)
        codes.push_back(row.Code());
    return codes;
}

TEST(RowOrder, NumbersSortAsNumbers)
{
    const std::vector<CodeEntry> rows = {Row("A", "10"), Row("B", "9"), Row("C", "2147483647"), Row("D", "-2147483648"),
                                         Row("E", "5")};
    EXPECT_EQ(SortedCodes(rows, kCode, true), (std::vector<std::string>{"-2147483648", "5", "9", "10", "2147483647"}));
    EXPECT_EQ(SortedCodes(rows, kCode, false), (std::vector<std::string>{"2147483647", "10", "9", "5", "-2147483648"}));
    EXPECT_EQ(CompareCodeRows(rows[0], rows[0], kCode, true), 0);
}

TEST(RowOrder, OtherNumericColumns)
{
    CodeEntry early = Row("A", "1");
    CodeEntry late = Row("B", "1");
    early.SubItems[ciLine] = "9";
    late.SubItems[ciLine] = "10";
    EXPECT_LT(CompareCodeRows(early, late, kLine, true), 0);
    EXPECT_GT(CompareCodeRows(early, late, kLine, false), 0);
    EXPECT_LT(CompareCodeRows(Row("A", "1"), Row("B", "-5"), kSeverity, true), 0);
    early.SubItems[ciLineOffset] = "2147483647";
    late.SubItems[ciLineOffset] = "4294967296";
    EXPECT_LT(CompareCodeRows(early, late, ciLineOffset, true), 0) << "offsets past 2 GiB";
}

TEST(RowOrder, TextsSortWithLstrcmpA)
{
    EXPECT_LT(CompareCodeRows(Row("E_B", "1"), Row("ERROR_A", "1"), kCaption, true), 0)
        << "underscore is a symbol and sorts before letters";
    EXPECT_GT(CompareCodeRows(Row("E_B", "1"), Row("ERROR_A", "1"), kCaption, false), 0);
    EXPECT_LT(CompareCodeRows(Row("x", "1", "a"), Row("y", "1", "A"), kFacility, true), 0)
        << "case counts: lower before upper";
    EXPECT_NE(CompareCodeRows(Row("x", "1", "a"), Row("y", "1", "A"), kFacility, true), 0);
    EXPECT_EQ(CompareCodeRows(Row("x", "10"), Row("y", "9"), kHeader, true), 0) << "empty headers are equal";
    EXPECT_LT(CompareCodeRows(Row("a", "1"), Row("b", "1"), 100, true), 0) << "past the sub-items: the caption";
}

} // namespace
