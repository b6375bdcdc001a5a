// A peer and the floor for the header scan, over the same files: GNU grep
// with the regular expression of a define with a selected prefix, and cat of
// the files to /dev/null. Each runs as a whole process; the time is its wall
// time, and the counter child_cpu its processor time (user and system), the
// figure to set against the scan's CPU time on a busy machine.
#include "support/ChildRun.h"
#include "support/Workloads.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// ^ *# *define *(P1|P2|...), case-insensitive like the prefix test.
std::string DefineRegex(const Workload& w)
{
    std::string regex = "^ *# *define *(";
    for (std::size_t i = 0; i < w.Prefixes.size(); ++i) {
        if (i != 0)
            regex += '|';
        for (char c : w.Prefixes[i]) {
            if (std::string_view(".[]()*+?{}|^$\\").find(c) != std::string_view::npos)
                regex += '\\';
            regex += c;
        }
    }
    return regex + ")";
}

void Measure(benchmark::State& state, const Workload& w, std::vector<std::string> args, bool countOutput)
{
    if (!UsableWorkload(state, w))
        return;
    args.insert(args.end(), w.Headers.begin(), w.Headers.end());
    double cpu = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        // grep ends with 1 when nothing matched, which is a result too.
        const ChildRun run = RunChild(args, countOutput, countOutput ? std::vector<int>{0, 1} : std::vector<int>{0});
        if (!run.Ok) {
            state.SkipWithError(("cannot run " + args[0]).c_str());
            return;
        }
        state.SetIterationTime(run.WallSeconds);
        cpu += run.CpuSeconds;
        lines = run.OutputLines;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(w.Bytes) * state.iterations());
    state.counters["child_cpu"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    if (countOutput)
        state.counters["lines"] = static_cast<double>(lines);
}

void Grep(benchmark::State& state, int workload)
{
    const Workload& w = WorkloadByIndex(workload);
    Measure(state, w, {"grep", "-Ei", "-h", DefineRegex(w)}, true);
}

void Cat(benchmark::State& state, int workload)
{
    Measure(state, WorkloadByIndex(workload), {"cat"}, false);
}

} // namespace

BENCHMARK_CAPTURE(Grep, W1, 0)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grep, W2, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cat, W1, 0)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cat, W2, 1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
