// The header scan alone, over each workload, into the row table a load
// keeps; and the whole load without a window, which also gives the rows
// whose value is an expression their evaluated values.
#include "support/Workloads.h"

#include "catalogue/LoadCodes.h"
#include "catalogue/ScanHeader.h"

#include <benchmark/benchmark.h>

namespace {

void ScanHeaders(benchmark::State& state, int workload)
{
    const Workload& w = WorkloadByIndex(workload);
    if (!UsableWorkload(state, w))
        return;
    const SelectedList prefixes(w.Prefixes);
    CodeTable rows;
    std::size_t found = 0;
    for (auto _ : state) {
        for (const std::string& path : w.Headers) {
            if (ScanHeader(path.c_str(), prefixes.List, prefixes.Selected(), rows) != 0) {
                state.SkipWithError(("cannot scan " + path).c_str());
                return;
            }
        }
        found = rows.Count();
        // Freeing the rows is the next load's work, not this scan's.
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(w.Bytes) * state.iterations());
    state.counters["rows"] = static_cast<double>(found);
    state.counters["rows_per_second"] =
        benchmark::Counter(static_cast<double>(found), benchmark::Counter::kIsIterationInvariantRate);
}

void LoadHeaders(benchmark::State& state, int workload)
{
    const Workload& w = WorkloadByIndex(workload);
    if (!UsableWorkload(state, w))
        return;
    const SelectedList prefixes(w.Prefixes);
    const SelectedList headers(w.Headers);
    std::size_t found = 0;
    for (auto _ : state) {
        LoadedCodes loaded = LoadCodes({headers.List, headers.Selected(), prefixes.List, prefixes.Selected()});
        found = loaded.Rows.Count();
        state.PauseTiming();
        loaded = {};
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(found);
}

} // namespace

BENCHMARK_CAPTURE(ScanHeaders, W1, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScanHeaders, W2, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadHeaders, W1, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadHeaders, W2, 1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
