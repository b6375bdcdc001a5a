#include "CodeList.h"

#include "CodeValue.h"
#include "CompareCodeRows.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

// SortNumber of the decimal text of number, without writing the text while
// the number is small enough to be read whole.
std::int64_t SortNumberOf(std::uint64_t number)
{
    constexpr std::uint64_t kReadWhole = std::uint64_t(1) << 59;
    if (number < kReadWhole)
        return static_cast<std::int64_t>(number);
    FieldDigits digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    return SortNumber(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

} // namespace

CodeEntry CodeList::operator[](std::size_t i) const
{
    return IsWhole(i) ? WholeRow(i) : table.Entry(rows[i]);
}

const CodeEntry& CodeList::At(std::size_t i) const
{
    if (IsWhole(i))
        return WholeRow(i);
    for (const MadeRow& row : made) {
        if (row.Position == i)
            return *row.Entry;
    }
    auto entry = std::make_unique<CodeEntry>(table.Entry(rows[i]));
    if (made.size() == kMadeRowsKept)
        made.erase(made.begin());
    made.push_back(MadeRow{i, std::move(entry)});
    return *made.back().Entry;
}

std::string_view CodeList::Text(std::size_t i, int subItem, FieldDigits& digits) const
{
    if (!IsWhole(i))
        return table.Text(rows[i], subItem, digits);
    const CodeEntry& row = WholeRow(i);
    if (subItem < 0 || subItem >= CodeEntrySubItemCount)
        return row.Mnemonic;
    return row.SubItems[static_cast<std::size_t>(subItem)];
}

const char* CodeList::CText(std::size_t i, int subItem) const
{
    if (IsWhole(i)) {
        const CodeEntry& row = WholeRow(i);
        if (subItem < 0 || subItem >= CodeEntrySubItemCount)
            return row.Mnemonic.c_str();
        return row.SubItems[static_cast<std::size_t>(subItem)].c_str();
    }
    const CodeRecord& record = table[rows[i]];
    if (subItem == ciFacility)
        return FacilityName(FacilityNumber(record.Value));
    if (subItem == ciHeader)
        return table.HeaderPath(record.Header).c_str();
    return record.Name;
}

std::int64_t CodeList::SortKey(std::size_t i, int subItem) const
{
    if (IsWhole(i)) {
        const CodeEntry& row = WholeRow(i);
        if (subItem < 0 || subItem >= CodeEntrySubItemCount)
            return SortNumber(row.Mnemonic);
        return SortNumber(row.SubItems[static_cast<std::size_t>(subItem)]);
    }
    const CodeRecord& record = table[rows[i]];
    switch (subItem) {
    case ciCode:
        // Code holds the absolute value, but -2147483648 for 0x80000000.
        if (record.Value == 0x80000000u)
            return -2147483648LL;
        return IsSevere(record.Value) ? 0u - record.Value : record.Value;
    case ciSeverity: return IsSevere(record.Value) ? 1 : 0;
    case ciN: return record.N;
    case ciLine: return SortNumberOf(record.Line);
    case ciLineOffset: return SortNumberOf(record.LineOffset);
    case ciLineLength: return SortNumberOf(record.LineLength);
    default: {
        FieldDigits digits;
        return SortNumber(table.Text(rows[i], subItem, digits));
    }
    }
}

DWORD CodeList::Value(std::size_t i) const
{
    if (IsWhole(i)) {
        const CodeEntry& row = WholeRow(i);
        return ValueOfCodeTexts(row.Code(), row.Severity());
    }
    return table[rows[i]].Value;
}

int CodeList::ImageIndex(std::size_t i) const
{
    if (IsWhole(i))
        return WholeRow(i).ImageIndex;
    return IsSevere(table[rows[i]].Value) ? 2 : 1;
}

void CodeList::Assign(CodeTable newTable)
{
    std::vector<std::uint32_t> positions(newTable.Count());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<std::uint32_t>(i);
    Forget();
    table = std::move(newTable);
    whole.clear();
    whole.shrink_to_fit();
    rows = std::move(positions);
}

void CodeList::Assign(std::vector<CodeEntry> entries)
{
    std::vector<std::uint32_t> positions(entries.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = kWhole | static_cast<std::uint32_t>(i);
    Forget();
    table = CodeTable();
    whole = std::move(entries);
    rows = std::move(positions);
}

void CodeList::Append(CodeEntry entry)
{
    whole.push_back(std::move(entry));
    try {
        rows.push_back(kWhole | static_cast<std::uint32_t>(whole.size() - 1));
    } catch (...) {
        whole.pop_back();
        throw;
    }
    Forget();
}

void CodeList::Remove(std::size_t i)
{
    Forget();
    if (IsWhole(i)) {
        const std::uint32_t place = rows[i] & ~kWhole;
        whole.erase(whole.begin() + place);
        for (std::uint32_t& row : rows) {
            if ((row & kWhole) != 0 && (row & ~kWhole) > place)
                --row;
        }
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
}

void CodeList::Clear()
{
    Assign(std::vector<CodeEntry>());
}

void CodeList::Reorder(const std::vector<std::size_t>& order)
{
    std::vector<std::uint32_t> reordered(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        reordered[k] = rows[order[k]];
    Forget();
    rows = std::move(reordered);
}

void CodeList::Forget()
{
    made.clear();
}
