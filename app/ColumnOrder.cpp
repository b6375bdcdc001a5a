#include "app/ColumnOrder.h"

#include "catalogue/CompareCodeRows.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>

namespace {

bool IsTextColumn(int column)
{
    const auto index = static_cast<unsigned>(column);
    return index >= CodeEntrySubItemCount || index == ciFacility || index == ciHeader;
}

// The number CompareCodeRows reads from a row's text: an optional minus
// sign and the digits after it, read no further than 2^59.
std::int64_t SortNumber(const std::string& text)
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

} // namespace

std::vector<std::size_t> ColumnOrder(std::span<const CodeEntry> rows, int column, bool ascending)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (IsTextColumn(column)) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return CompareCodeRows(rows[a], rows[b], column, ascending) < 0;
        });
        return order;
    }
    std::vector<std::int64_t> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys[i] = SortNumber(rows[i].SubItems[static_cast<std::size_t>(column)]);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });
    return order;
}
