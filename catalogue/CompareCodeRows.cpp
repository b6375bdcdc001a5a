#include "CompareCodeRows.h"

#include "platform/win32.h"

#include <cstdint>
#include <string>

// Read in 64 bits so that offsets past 2 GiB still order correctly; every
// value that fits 32 bits orders exactly as in 32 bits.
std::int64_t SortNumber(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && magnitude < (std::uint64_t(1) << 59); ++i)
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0');
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

namespace {

int CompareKeys(const CodeEntry& first, const CodeEntry& second, unsigned column)
{
    if (column >= CodeEntrySubItemCount)
        return lstrcmpA(first.Mnemonic.c_str(), second.Mnemonic.c_str());
    const std::string& a = first.SubItems[column];
    const std::string& b = second.SubItems[column];
    if (column == ciFacility || column == ciHeader)
        return lstrcmpA(a.c_str(), b.c_str());
    const std::int64_t x = SortNumber(a);
    const std::int64_t y = SortNumber(b);
    return (x > y) - (x < y);
}

} // namespace

int CompareCodeRows(const CodeEntry& first, const CodeEntry& second, int column, bool ascending)
{
    const int order = CompareKeys(first, second, static_cast<unsigned>(column));
    return ascending ? order : -order;
}
