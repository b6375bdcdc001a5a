// The catalogue's work on rows and numbers, from arbitrary input:
// - FindNumber over a range copied to a buffer of exactly its size (ASan
//   catches a read outside it), against a plain reading of the same rule;
// - CompareCodeRows over random rows must be a strict weak order (a sort
//   callback that is not one lets a sort run off its range), and numeric
//   columns holding the scanner's decimal texts must order as numbers;
// - SearchCodes must find the first matching row in its direction's order,
//   and report "not found" only when no row there matches;
// - a CodeList holding rows of a load in its table and rows put in whole
//   must read, sort (ColumnOrder), reorder, search and remove exactly as the
//   same rows held as CodeEntry values.
#include "FuzzCheck.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeList.h"
#include "catalogue/CodeListOrder.h"
#include "catalogue/CodeTable.h"
#include "catalogue/CodeValue.h"
#include "catalogue/CompareCodeRows.h"
#include "catalogue/DefineLine.h"
#include "catalogue/SearchCodes.h"
#include "platform/win32.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMostRows = 8;
constexpr int kColumns = CodeEntrySubItemCount;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c, bool hexadecimal)
{
    if (IsDigit(c))
        return c - '0';
    if (hexadecimal && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hexadecimal && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The number rule read literally: the first digit, or minus and digit, that
// does not continue a word, before any NUL; its digits (after 0x, hexadecimal
// ones) kept modulo 2^32.
std::optional<DWORD> ExpectedNumber(const std::string& text)
{
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        const bool minus = text[i] == '-' && i + 1 < text.size() && IsDigit(text[i + 1]);
        if (!IsDigit(text[i]) && !minus)
            continue;
        if (i > 0 && (text[i - 1] == '_' || IsCharAlphaNumericA(text[i - 1])))
            continue;
        std::size_t at = minus ? i + 1 : i;
        const bool hexadecimal = at + 1 < text.size() && text[at] == '0' && (text[at + 1] | 0x20) == 'x';
        if (hexadecimal)
            at += 2;
        std::uint64_t value = 0;
        for (; at < text.size() && DigitValue(text[at], hexadecimal) >= 0; ++at)
            value = (value * (hexadecimal ? 16 : 10) + static_cast<std::uint64_t>(DigitValue(text[at], hexadecimal)))
                    % (std::uint64_t{1} << 32);
        return static_cast<DWORD>(minus ? (std::uint64_t{1} << 32) - value : value);
    }
    return std::nullopt;
}

void CheckFindNumber(const std::string& text)
{
    const auto copy = std::make_unique<char[]>(text.size());
    std::copy(text.begin(), text.end(), copy.get());
    DWORD value = 0xDEADBEEF;
    const bool found = FindNumber(copy.get(), copy.get() + text.size(), value);
    const std::optional<DWORD> expected = ExpectedNumber(text);
    FUZZ_CHECK(found == expected.has_value());
    FUZZ_CHECK(!found || value == *expected);
}

// Text without NUL bytes, as every row field and search text is.
std::string Text(FuzzedDataProvider& input, std::size_t longest)
{
    std::string text = input.ConsumeRandomLengthString(longest);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

// A field is either a decimal text of the kind the scanner writes, whose
// number is returned, or any text.
std::string Field(FuzzedDataProvider& input, std::optional<std::int64_t>& number)
{
    number.reset();
    if (!input.ConsumeBool())
        return Text(input, 12);
    number = input.ConsumeIntegralInRange<std::int64_t>(-2147483648LL, 0xFFFFFFFFLL);
    return std::to_string(*number);
}

struct Row {
    CodeEntry entry;
    std::optional<std::int64_t> numbers[kColumns];
};

Row MakeRow(FuzzedDataProvider& input)
{
    Row row;
    row.entry.Mnemonic = Text(input, 12);
    for (int column = 0; column < kColumns; ++column)
        row.entry.SubItems[static_cast<std::size_t>(column)] = Field(input, row.numbers[column]);
    return row;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void CheckOrder(const std::vector<Row>& rows, int column)
{
    const auto compare = [column](const Row& a, const Row& b) {
        const int ascending = Sign(CompareCodeRows(a.entry, b.entry, column, true));
        FUZZ_CHECK(Sign(CompareCodeRows(a.entry, b.entry, column, false)) == -ascending);
        return ascending;
    };
    const bool numeric = column >= 0 && column < kColumns && column != ciFacility && column != ciHeader;
    for (const Row& a : rows) {
        FUZZ_CHECK(compare(a, a) == 0);
        for (const Row& b : rows) {
            const int ab = compare(a, b);
            FUZZ_CHECK(compare(b, a) == -ab);
            if (numeric && a.numbers[column] && b.numbers[column])
                FUZZ_CHECK(ab == (*a.numbers[column] > *b.numbers[column]) - (*a.numbers[column] < *b.numbers[column]));
            for (const Row& c : rows) {
                if (ab <= 0 && compare(b, c) <= 0)
                    FUZZ_CHECK(compare(a, c) <= (ab < 0 || compare(b, c) < 0 ? -1 : 0));
            }
        }
    }
}

std::vector<std::size_t> SearchOrder(std::size_t count, std::optional<std::size_t> focused, SearchDirection direction)
{
    if (focused && *focused >= count)
        focused.reset();
    std::vector<std::size_t> order;
    if (direction == SearchDirection::Up) {
        for (std::size_t row = focused ? *focused : count; row-- > 0;)
            order.push_back(row);
        return order;
    }
    const std::size_t first = focused ? *focused + 1 : 0;
    for (std::size_t row = first; row < count; ++row)
        order.push_back(row);
    if (direction == SearchDirection::Cyclic && focused) {
        for (std::size_t row = 0; row <= *focused; ++row)
            order.push_back(row);
    }
    return order;
}

std::string Upper(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool Matches(const CodeEntry& entry, const SearchSettings& settings)
{
    std::string field = settings.ByMnemonic ? entry.Mnemonic : entry.Code();
    std::string key = settings.Text;
    if (!settings.CaseSensitive) {
        field = Upper(field);
        key = Upper(key);
    }
    return settings.WholeText ? field == key : field.find(key) != std::string::npos;
}

struct Search {
    SearchSettings settings;
    std::optional<std::size_t> focused;
};

Search MakeSearch(FuzzedDataProvider& input, std::size_t rows)
{
    Search search;
    search.settings.ByMnemonic = input.ConsumeBool();
    search.settings.Text = Text(input, 6);
    search.settings.Direction =
        input.PickValueInArray({SearchDirection::Up, SearchDirection::Cyclic, SearchDirection::Down});
    search.settings.CaseSensitive = input.ConsumeBool();
    search.settings.WholeText = input.ConsumeBool();
    if (input.ConsumeBool())
        search.focused = input.ConsumeIntegralInRange<std::size_t>(0, rows + 1);
    return search;
}

void CheckSearch(FuzzedDataProvider& input, const std::vector<Row>& rows)
{
    std::vector<CodeEntry> entries;
    for (const Row& row : rows)
        entries.push_back(row.entry);
    const auto [settings, focused] = MakeSearch(input, entries.size());

    const SearchResult result = SearchCodes(entries, focused, settings);
    if (entries.empty() || settings.Text.empty()) {
        FUZZ_CHECK(!result.Row && result.Icon == SearchMessageIcon::Exclamation);
        return;
    }
    // A code as copied from a log (0x and hexadecimal digits) finds the row
    // with that value rather than that text.
    const std::optional<DWORD> hexCode = settings.ByMnemonic ? std::nullopt : ReadHexCode(settings.Text);
    std::optional<std::size_t> expected;
    for (std::size_t row : SearchOrder(entries.size(), focused, settings.Direction)) {
        const bool found = hexCode ? ValueOfCodeTexts(entries[row].Code(), entries[row].Severity()) == *hexCode
                                   : Matches(entries[row], settings);
        if (found) {
            expected = row;
            break;
        }
    }
    FUZZ_CHECK(result.Row == expected);
    FUZZ_CHECK(result.Icon == SearchMessageIcon::Information);
    FUZZ_CHECK(expected || result.Message.find("\" not found") != std::string::npos);
}

const std::string& Field(const CodeEntry& entry, int subItem)
{
    return subItem >= 0 && subItem < kColumns ? entry.SubItems[static_cast<std::size_t>(subItem)] : entry.Mnemonic;
}

// Rows as a load makes them: under one or more headers, with any numbers.
CodeTable MakeTable(FuzzedDataProvider& input)
{
    CodeTable table;
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, kMostRows);
    for (std::size_t i = 0; i < count; ++i) {
        if (i == 0 || input.ConsumeBool())
            table.StartHeader(Text(input, 8));
        table.Add(Text(input, 12), input.ConsumeIntegral<DWORD>(), input.ConsumeIntegral<std::uint64_t>(),
                  input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>());
    }
    return table;
}

void CheckListReads(const CodeList& list, const std::vector<CodeEntry>& expected)
{
    FUZZ_CHECK(list.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(list[i] == expected[i]);
        FUZZ_CHECK(list.At(i) == expected[i]);
        FUZZ_CHECK(list.ImageIndex(i) == expected[i].ImageIndex);
        for (int subItem = -1; subItem <= kColumns; ++subItem) {
            FieldDigits digits;
            const std::string_view text = list.Text(i, subItem, digits);
            FUZZ_CHECK(text == Field(expected[i], subItem) && text.data()[text.size()] == '\0');
            FUZZ_CHECK(list.SortKey(i, subItem) == SortNumber(Field(expected[i], subItem)));
        }
        for (int subItem : {-1, static_cast<int>(ciFacility), static_cast<int>(ciHeader)})
            FUZZ_CHECK(std::strcmp(list.CText(i, subItem), Field(expected[i], subItem).c_str()) == 0);
    }
}

// CompareCodeRows is a strict weak order (CheckOrder), so a stable sort by it
// is the order a click must give, equal keys keeping their places.
std::vector<std::size_t> ExpectedOrder(const std::vector<CodeEntry>& rows, int column, bool ascending)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareCodeRows(rows[a], rows[b], column, ascending) < 0;
    });
    return order;
}

void CheckList(FuzzedDataProvider& input, const std::vector<Row>& wholeRows, int column)
{
    CodeTable table = MakeTable(input);
    std::vector<CodeEntry> expected;
    for (std::size_t i = 0; i < table.Count(); ++i)
        expected.push_back(table.Entry(i));
    CodeList list;
    list.Assign(std::move(table));
    for (const Row& row : wholeRows) {
        list.Append(row.entry);
        expected.push_back(row.entry);
    }
    CheckListReads(list, expected);

    const bool ascending = input.ConsumeBool();
    const std::vector<std::size_t> order = ColumnOrder(list, column, ascending);
    FUZZ_CHECK(order == ExpectedOrder(expected, column, ascending));
    list.Reorder(order);
    std::vector<CodeEntry> sorted;
    for (std::size_t k : order)
        sorted.push_back(expected[k]);
    CheckListReads(list, sorted);

    const auto [settings, focused] = MakeSearch(input, sorted.size());
    const SearchResult inList = SearchCodes(list, focused, settings);
    const SearchResult inEntries = SearchCodes(std::span<const CodeEntry>(sorted), focused, settings);
    FUZZ_CHECK(inList.Row == inEntries.Row && inList.Message == inEntries.Message);

    if (!sorted.empty()) {
        const std::size_t removed = input.ConsumeIntegralInRange<std::size_t>(0, sorted.size() - 1);
        list.Remove(removed);
        sorted.erase(sorted.begin() + static_cast<std::ptrdiff_t>(removed));
        CheckListReads(list, sorted);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    CheckFindNumber(input.ConsumeRandomLengthString(64));

    std::vector<Row> rows(input.ConsumeIntegralInRange<std::size_t>(0, kMostRows));
    for (Row& row : rows)
        row = MakeRow(input);
    const int column = input.ConsumeIntegralInRange<int>(-1, kColumns);
    CheckOrder(rows, column);
    CheckSearch(input, rows);
    CheckList(input, rows, column);
    return 0;
}
