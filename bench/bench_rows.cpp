// The code list's row rules at W2 size: the order of a clicked column, by
// the row comparison alone and as the list sorts, and the search that finds
// nothing.
#include "support/ScanRows.h"

#include "catalogue/CodeList.h"
#include "catalogue/CodeListOrder.h"
#include "catalogue/CompareCodeRows.h"
#include "catalogue/SearchCodes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const CodeList& W2List()
{
    static const CodeList rows = [] {
        CodeList list;
        list.Assign(ScanTable(W2()));
        return list;
    }();
    return rows;
}

const std::vector<CodeEntry>& W2Entries()
{
    static const std::vector<CodeEntry> rows(W2List().begin(), W2List().end());
    return rows;
}

// The first click on a column: descending, from the order of the load.
// CompareCodeRows at every comparison, over CodeEntry rows.
void SortByColumn(benchmark::State& state, int column)
{
    if (!UsableWorkload(state, W2()))
        return;
    const std::vector<CodeEntry>& rows = W2Entries();
    std::vector<std::size_t> order(rows.size());
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&rows, column](std::size_t a, std::size_t b) {
            return CompareCodeRows(rows[a], rows[b], column, false) < 0;
        });
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

// The same order as the code list finds it, with each row's key found once.
void ColumnOrderOfList(benchmark::State& state, int column)
{
    if (!UsableWorkload(state, W2()))
        return;
    for (auto _ : state) {
        const std::vector<std::size_t> order = ColumnOrder(W2List(), column, false);
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["rows"] = static_cast<double>(W2List().size());
}

// Nothing matches, so every row but the focused one is looked at, each
// upper-cased and searched for the text anywhere in it.
void SearchNotFound(benchmark::State& state, bool byMnemonic)
{
    if (!UsableWorkload(state, W2()))
        return;
    const CodeList& rows = W2List();
    SearchSettings settings;
    settings.ByMnemonic = byMnemonic;
    settings.Text = byMnemonic ? "no_such_code_anywhere" : "99999999999";
    settings.Direction = SearchDirection::Cyclic;
    settings.CaseSensitive = false;
    settings.WholeText = false;
    for (auto _ : state) {
        const SearchResult result = SearchCodes(rows, std::size_t{0}, settings);
        if (result.Row) {
            state.SkipWithError("the search text was found");
            return;
        }
        benchmark::DoNotOptimize(result.Message.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

} // namespace

BENCHMARK_CAPTURE(SortByColumn, Mnemonic, -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, Code, ciCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, Facility, ciFacility)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, Severity, ciSeverity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, N, ciN)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, Header, ciHeader)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByColumn, Line, ciLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Mnemonic, -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Code, ciCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Facility, ciFacility)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Severity, ciSeverity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, N, ciN)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Header, ciHeader)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColumnOrderOfList, Line, ciLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchNotFound, Mnemonic, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchNotFound, Code, false)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
