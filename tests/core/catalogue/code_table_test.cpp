// The compact row table of a load: every row reads exactly as the CodeEntry
// the scan hands to a sink, and a failed header leaves the table as it was.
#include "scan_support.h"

#include "catalogue/CodeTable.h"
#include "catalogue/CompareCodeRows.h"
#include "catalogue/ScanHeader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Values of every kind: 0, the sign bit alone, negative, a facility past 15,
// CR LF and LF ends, a name with a byte past 0x7F.
const char* const kVariedHeader =
    "// varied\r\n"
    "#define ERROR_SUCCESS 0L\r\n"
    "#define ERROR_SEVERITY_WARNING 0x80000000\r\n"
    "#define E_UNEXPECTED _HRESULT_TYPEDEF_(0x8000FFFFL)\n"
    "  #  define ERROR_MINUS (-1)\r\n"
    "#define E_FAR_FACILITY 0x87FF0001\r\n"
    "#define ERROR_\xC9T\xC9 5\r\n"
    "#define ERROR_NO_VALUE ERROR_SUCCESS\r\n"
    "#define ERROR_LAST 4294967295\n";

std::vector<CodeEntry> SinkRows(const std::string& path, const Prefixes& prefixes)
{
    return Scan(path, prefixes).Rows;
}

TEST(CodeTableRows, ReadAsTheRowsTheScanHandsOn)
{
    const TempFolder folder;
    const Prefixes prefixes{"ERROR_", "E_"};
    const std::string first = folder.Write("a.h", kVariedHeader);
    const std::string second = folder.Write("b.h", "#define E_ONE 1\r\n#define E_TWO 2\r\n");
    std::vector<CodeEntry> expected = SinkRows(first, prefixes);
    for (CodeEntry& row : SinkRows(second, prefixes))
        expected.push_back(std::move(row));
    ASSERT_EQ(expected.size(), 9u);

    CodeTable table;
    ASSERT_EQ(ScanHeader(first.c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    ASSERT_EQ(ScanHeader(second.c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    ASSERT_EQ(table.Count(), expected.size());
    EXPECT_EQ(table.HeaderCount(), 2u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table.Entry(i), expected[i]) << "row " << i;
        FieldDigits digits;
        EXPECT_EQ(table.Text(i, -1, digits), expected[i].Mnemonic);
        for (int subItem = 0; subItem < CodeEntrySubItemCount; ++subItem) {
            const std::string_view text = table.Text(i, subItem, digits);
            EXPECT_EQ(text, expected[i].SubItems[static_cast<std::size_t>(subItem)]) << "row " << i;
            EXPECT_EQ(text.data()[text.size()], '\0') << "a C text too";
        }
    }
    EXPECT_EQ(table.Entry(7).N(), "1") << "numbering starts again for the second header";
}

TEST(CodeTableRows, LongNamesAndNumbersPast32Bits)
{
    CodeTable table;
    table.StartHeader("h.h");
    const std::string longName = "ERROR_" + std::string(200000, 'X');
    const std::uint64_t huge = (std::uint64_t(1) << 62) + 7;
    for (int i = 0; i < 5000; ++i)
        table.Add(i == 3 ? longName : "ERROR_" + std::to_string(i), 5, huge, huge + 1, 4294967296u);
    ASSERT_EQ(table.Count(), 5000u);
    EXPECT_EQ(table.Entry(3).Mnemonic, longName);
    EXPECT_EQ(table.Entry(4999).Mnemonic, "ERROR_4999");
    EXPECT_EQ(table.Entry(4999).N(), "5000");
    EXPECT_EQ(table.Entry(0).Line(), std::to_string(huge));
    EXPECT_EQ(table.Entry(0).LineOffset(), std::to_string(huge + 1));
    EXPECT_EQ(table.Entry(0).LineLength(), "4294967296");
}

TEST(CodeTableFailures, AFailedHeaderLeavesTheTableAsItWas)
{
    const TempFolder folder;
    const Prefixes prefixes{"ERROR_"};
    const std::string good = folder.Write("good.h", "#define ERROR_A 1\r\n#define ERROR_B 2\r\n");
    const std::string binary = folder.Write("binary.h", std::string("\x01\x02#define ERROR_C 3\r\n", 21));
    const std::string empty = folder.Write("empty.h", "");

    CodeTable table;
    ASSERT_EQ(ScanHeader(good.c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    EXPECT_EQ(ScanHeader(binary.c_str(), prefixes.List, prefixes.Flags(), table), 13u);
    EXPECT_EQ(ScanHeader(empty.c_str(), prefixes.List, prefixes.Flags(), table), 13u);
    EXPECT_NE(ScanHeader((folder.Path() / "missing.h").string().c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    const TStringsStorage noPrefixes;
    EXPECT_EQ(ScanHeader(good.c_str(), noPrefixes, nullptr, table), 1u);
    EXPECT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.HeaderCount(), 1u);

    ASSERT_EQ(ScanHeader(good.c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    ASSERT_EQ(table.Count(), 4u);
    EXPECT_EQ(table.Entry(1).Mnemonic, "ERROR_B");
    EXPECT_EQ(table.Entry(2).Header(), good);
    EXPECT_EQ(table.Entry(3).N(), "2");
}

TEST(CodeTableFailures, DropTakesBackNamesAcrossTextBlocks)
{
    CodeTable table;
    table.StartHeader("kept.h");
    table.Add("ERROR_KEPT", 1, 2, 0, 10);
    table.StartHeader("dropped.h");
    for (int i = 0; i < 9000; ++i)
        table.Add("ERROR_DROPPED_WITH_A_RATHER_LONG_NAME_" + std::to_string(i), 1, 2, 0, 10);
    table.DropHeader();
    table.StartHeader("next.h");
    table.Add("ERROR_NEXT", 2, 3, 11, 10);
    ASSERT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.Entry(0).Mnemonic, "ERROR_KEPT");
    EXPECT_EQ(table.Entry(1).Mnemonic, "ERROR_NEXT");
    EXPECT_EQ(table.Entry(1).Header(), "next.h");
    EXPECT_EQ(table.Entry(1).N(), "1");
}

} // namespace
