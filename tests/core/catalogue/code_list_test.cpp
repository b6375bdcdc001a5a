// A list of table rows and whole rows: each reads as its CodeEntry, sorts as
// CompareCodeRows orders it, and searches as the rows themselves would.
#include "scan_support.h"

#include "catalogue/CodeList.h"
#include "catalogue/CodeListOrder.h"
#include "catalogue/CompareCodeRows.h"
#include "catalogue/ScanHeader.h"
#include "catalogue/SearchCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

const char* const kFirstHeader =
    "#define ERROR_B 10\r\n"
    "#define ERROR_a 9\r\n"
    "#define ERROR_A 0x80000000\r\n"
    "#define E_FAIL 0x80004005L\r\n"
    "#define E_SAME 0x80004005L\r\n"
    "#define ERROR_NEG (-2)\r\n";
const char* const kSecondHeader =
    "\r\n\r\n#define E_WIN 0x80070005\r\n"
    "#define ERROR_B 10\r\n";

CodeTable ScannedTable(const TempFolder& folder, std::vector<CodeEntry>& entries)
{
    const Prefixes prefixes{"ERROR_", "E_"};
    CodeTable table;
    for (const auto& [name, bytes] : {std::pair{"second.h", kSecondHeader}, std::pair{"a_first.h", kFirstHeader}}) {
        const std::string path = folder.Write(name, bytes);
        EXPECT_EQ(ScanHeader(path.c_str(), prefixes.List, prefixes.Flags(), table), 0u);
    }
    for (std::size_t i = 0; i < table.Count(); ++i)
        entries.push_back(table.Entry(i));
    return table;
}

// Whole rows with texts no scan writes: empty, signed, zero-led, not a
// number, and a facility equal to a table row's.
std::vector<CodeEntry> OddRows()
{
    std::vector<CodeEntry> rows;
    const char* const numbers[] = {"", "-5", "007", "abc", "10", "9"};
    for (int i = 0; i < 6; ++i) {
        CodeEntry row;
        row.Mnemonic = i % 2 == 0 ? "ERROR_B" : "error_z" + std::to_string(i);
        row.ImageIndex = 1 + i % 2;
        for (std::size_t s = 0; s < CodeEntrySubItemCount; ++s)
            row.SubItems[s] = numbers[(static_cast<std::size_t>(i) + s) % 6];
        row.SubItems[ciFacility] = i % 2 == 0 ? "NULL" : "WIN32";
        row.SubItems[ciHeader] = i % 3 == 0 ? "a_first.h" : "Z.h";
        rows.push_back(row);
    }
    return rows;
}

struct MixedList {
    TempFolder folder;
    CodeList list;
    std::vector<CodeEntry> entries; // what each row of list reads as

    MixedList()
    {
        list.Assign(ScannedTable(folder, entries));
        for (const CodeEntry& row : OddRows()) {
            list.Append(row);
            entries.push_back(row);
        }
        // The rows mixed, so that table rows and whole rows alternate.
        std::vector<std::size_t> order(entries.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::rotate(order.begin(), order.begin() + 5, order.end());
        std::reverse(order.begin() + 3, order.end());
        list.Reorder(order);
        std::vector<CodeEntry> reordered;
        for (std::size_t k : order)
            reordered.push_back(entries[k]);
        entries = reordered;
    }
};

void ExpectReadsAs(const CodeList& list, const std::vector<CodeEntry>& entries)
{
    ASSERT_EQ(list.size(), entries.size());
    std::size_t i = 0;
    for (const CodeEntry& row : list) {
        EXPECT_EQ(row, entries[i]) << "row " << i;
        EXPECT_EQ(list.At(i), entries[i]);
        EXPECT_EQ(list.ImageIndex(i), entries[i].ImageIndex);
        ++i;
    }
}

TEST(CodeListRows, EveryRowReadsAsItsEntry)
{
    const MixedList mixed;
    ExpectReadsAs(mixed.list, mixed.entries);
    for (std::size_t i = 0; i < mixed.entries.size(); ++i) {
        FieldDigits digits;
        EXPECT_EQ(mixed.list.Text(i, -1, digits), mixed.entries[i].Mnemonic);
        EXPECT_STREQ(mixed.list.CText(i, 99), mixed.entries[i].Mnemonic.c_str());
        EXPECT_STREQ(mixed.list.CText(i, ciHeader), mixed.entries[i].Header().c_str());
        EXPECT_STREQ(mixed.list.CText(i, ciFacility), mixed.entries[i].Facility().c_str());
        for (int s = 0; s < CodeEntrySubItemCount; ++s) {
            EXPECT_EQ(mixed.list.Text(i, s, digits), mixed.entries[i].SubItems[static_cast<std::size_t>(s)]);
            EXPECT_EQ(mixed.list.SortKey(i, s), SortNumber(mixed.entries[i].SubItems[static_cast<std::size_t>(s)]));
        }
    }
}

TEST(CodeListRows, RemoveKeepsTheOtherRows)
{
    MixedList mixed;
    for (std::size_t i : {std::size_t{0}, std::size_t{4}, std::size_t{7}, mixed.entries.size() - 4}) {
        mixed.list.Remove(i);
        mixed.entries.erase(mixed.entries.begin() + static_cast<std::ptrdiff_t>(i));
        ExpectReadsAs(mixed.list, mixed.entries);
    }
    mixed.list.Append(OddRows()[1]);
    mixed.entries.push_back(OddRows()[1]);
    ExpectReadsAs(mixed.list, mixed.entries);
    mixed.list.Clear();
    EXPECT_TRUE(mixed.list.empty());
}

TEST(CodeListRows, AReferenceStaysWhileFewOtherRowsAreMade)
{
    const MixedList mixed;
    const CodeEntry& first = mixed.list.At(0);
    const CodeEntry* second = &mixed.list.At(1);
    for (std::size_t i = 2; i < mixed.list.size(); ++i)
        (void)mixed.list.At(i);
    EXPECT_EQ(first, mixed.entries[0]);
    EXPECT_EQ(*second, mixed.entries[1]);
    EXPECT_EQ(&mixed.list.At(1), second) << "asking again gives the same row";
}

TEST(CodeListOrder, SameOrderAsTheRowComparison)
{
    const MixedList mixed;
    for (int column = -1; column < CodeEntrySubItemCount + 2; ++column) {
        for (bool ascending : {false, true}) {
            std::vector<std::size_t> expected(mixed.entries.size());
            std::iota(expected.begin(), expected.end(), std::size_t{0});
            std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
                return CompareCodeRows(mixed.entries[a], mixed.entries[b], column, ascending) < 0;
            });
            EXPECT_EQ(ColumnOrder(mixed.list, column, ascending), expected)
                << "column " << column << (ascending ? " ascending" : " descending");
        }
    }
}

TEST(CodeListOrder, NumbersPast2To59ReadAsTheirText)
{
    CodeTable table;
    table.StartHeader("h.h");
    const std::uint64_t big = std::uint64_t(1) << 60;
    table.Add("ERROR_A", 1, big + 9, big, 1);
    table.Add("ERROR_B", 1, big + 1, 5, 1);
    table.Add("ERROR_C", 1, (std::uint64_t(1) << 59) - 1, big * 15, 1);
    CodeList list;
    list.Assign(std::move(table));
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list.SortKey(i, ciLine), SortNumber(list[i].Line()));
        EXPECT_EQ(list.SortKey(i, ciLineOffset), SortNumber(list[i].LineOffset()));
    }
}

TEST(CodeListSearch, FindsAsTheRowsThemselves)
{
    const MixedList mixed;
    for (const char* text : {"error_b", "ERROR_B", "E_", "B", "-2147483648", "0", "5", "nothing", "z1"}) {
        for (bool byMnemonic : {true, false}) {
            for (bool whole : {false, true}) {
                for (bool caseSensitive : {false, true}) {
                    for (SearchDirection direction :
                         {SearchDirection::Up, SearchDirection::Down, SearchDirection::Cyclic}) {
                        for (std::optional<std::size_t> focused :
                             {std::optional<std::size_t>{}, std::optional<std::size_t>{3}}) {
                            SearchSettings settings;
                            settings.ByMnemonic = byMnemonic;
                            settings.Text = text;
                            settings.Direction = direction;
                            settings.CaseSensitive = caseSensitive;
                            settings.WholeText = whole;
                            const SearchResult expected = SearchCodes(mixed.entries, focused, settings);
                            const SearchResult found = SearchCodes(mixed.list, focused, settings);
                            EXPECT_EQ(found.Row, expected.Row) << text;
                            EXPECT_EQ(found.Message, expected.Message);
                            EXPECT_EQ(found.Caption, expected.Caption);
                        }
                    }
                }
            }
        }
    }
}

} // namespace
