// The catalogue's work on rows and numbers, from arbitrary input:
// - FindNumber over a range copied to a buffer of exactly its size (ASan
//   catches a read outside it), against a plain reading of the same rule;
// - CompareCodeRows over random rows must be a strict weak order (a sort
//   callback that is not one lets a sort run off its range), and numeric
//   columns holding the scanner's decimal texts must order as numbers;
// - SearchCodes must find the first matching row in its direction's order,
//   and report "not found" only when no row there matches.
#include "FuzzCheck.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CompareCodeRows.h"
#include "catalogue/DefineLine.h"
#include "catalogue/SearchCodes.h"
#include "platform/win32.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
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

void CheckSearch(FuzzedDataProvider& input, const std::vector<Row>& rows)
{
    std::vector<CodeEntry> entries;
    for (const Row& row : rows)
        entries.push_back(row.entry);
    SearchSettings settings;
    settings.ByMnemonic = input.ConsumeBool();
    settings.Text = Text(input, 6);
    settings.Direction = input.PickValueInArray({SearchDirection::Up, SearchDirection::Cyclic, SearchDirection::Down});
    settings.CaseSensitive = input.ConsumeBool();
    settings.WholeText = input.ConsumeBool();
    std::optional<std::size_t> focused;
    if (input.ConsumeBool())
        focused = input.ConsumeIntegralInRange<std::size_t>(0, kMostRows + 1);

    const SearchResult result = SearchCodes(entries, focused, settings);
    if (entries.empty() || settings.Text.empty()) {
        FUZZ_CHECK(!result.Row && result.Icon == SearchMessageIcon::Exclamation);
        return;
    }
    std::optional<std::size_t> expected;
    for (std::size_t row : SearchOrder(entries.size(), focused, settings.Direction)) {
        if (Matches(entries[row], settings)) {
            expected = row;
            break;
        }
    }
    FUZZ_CHECK(result.Row == expected);
    FUZZ_CHECK(result.Icon == SearchMessageIcon::Information);
    FUZZ_CHECK(expected || result.Message.find("\" not found") != std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    CheckFindNumber(input.ConsumeRandomLengthString(64));

    std::vector<Row> rows(input.ConsumeIntegralInRange<std::size_t>(0, kMostRows));
    for (Row& row : rows)
        row = MakeRow(input);
    CheckOrder(rows, input.ConsumeIntegralInRange<int>(-1, kColumns));
    CheckSearch(input, rows);
    return 0;
}
