#include "CodeListOrder.h"

#include "platform/win32.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

bool IsTextColumn(int column)
{
    const auto index = static_cast<unsigned>(column);
    return index >= CodeEntrySubItemCount || index == ciFacility || index == ciHeader;
}

using Keyed = std::vector<std::pair<std::int64_t, std::size_t>>;

// Each row's text in the column replaced by its rank in lstrcmpA order;
// texts lstrcmpA finds equal share a rank. Rows of one load share the
// texts of their header and facility, so few texts are compared.
Keyed TextRanks(const CodeList& rows, int column)
{
    std::vector<const char*> texts(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        texts[i] = rows.CText(i, column);
    std::vector<const char*> distinct = texts;
    std::sort(distinct.begin(), distinct.end(), std::less<>());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<const char*> byText = distinct;
    std::stable_sort(byText.begin(), byText.end(), [](const char* a, const char* b) { return lstrcmpA(a, b) < 0; });

    std::vector<std::pair<const char*, std::int64_t>> rankOf; // by address
    rankOf.reserve(byText.size());
    std::int64_t rank = 0;
    for (std::size_t k = 0; k < byText.size(); ++k) {
        if (k > 0 && lstrcmpA(byText[k - 1], byText[k]) != 0)
            ++rank;
        rankOf.emplace_back(byText[k], rank);
    }
    std::sort(rankOf.begin(), rankOf.end(),
              [](const auto& a, const auto& b) { return std::less<>()(a.first, b.first); });

    Keyed keyed(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto found =
            std::lower_bound(rankOf.begin(), rankOf.end(), texts[i],
                             [](const auto& entry, const char* text) { return std::less<>()(entry.first, text); });
        keyed[i] = {found->second, i};
    }
    return keyed;
}

std::vector<std::size_t> ByKey(Keyed keyed, bool ascending)
{
    if (ascending)
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::size_t> order(keyed.size());
    for (std::size_t k = 0; k < keyed.size(); ++k)
        order[k] = keyed[k].second;
    return order;
}

} // namespace

std::vector<std::size_t> ColumnOrder(const CodeList& rows, int column, bool ascending)
{
    if (column == ciFacility || column == ciHeader)
        return ByKey(TextRanks(rows, column), ascending);
    if (IsTextColumn(column)) {
        std::vector<const char*> names(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            names[i] = rows.CText(i, column);
        std::vector<std::size_t> order(rows.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        const int sign = ascending ? 1 : -1;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return sign * lstrcmpA(names[a], names[b]) < 0; });
        return order;
    }
    Keyed keyed(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keyed[i] = {rows.SortKey(i, column), i};
    return ByKey(std::move(keyed), ascending);
}
