// vantrel-lookup as users run it: each lookup a whole cold process over W1,
// beside errno from Debian's moreutils, which looks a code up in the C
// library's own table; the same from the built-in catalogue alone; 100,000
// terms in one process over W1; and --scan over W2, to set beside cat of the
// same files (bench_peers). The time is the
// child's wall time, child_cpu its processor time.
#include "support/ChildRun.h"
#include "support/Workloads.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Whole processes vary more than work in process; a fixed count keeps every
// repetition the same size.
constexpr int kLaunches = 30;
constexpr int kScans = 5;
constexpr int kManyTerms = 100000;

std::string HexOf(unsigned value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

std::string LookupProgram()
{
    if (const char* path = std::getenv("VANTREL_LOOKUP"))
        return path;
    return VANTREL_LOOKUP;
}

// The program with the workload's headers and prefixes, then terms.
std::vector<std::string> LookupArgs(const Workload& w, const std::vector<std::string>& terms)
{
    std::vector<std::string> args{LookupProgram()};
    for (const std::string& header : w.Headers)
        args.insert(args.end(), {"--header", header});
    for (const std::string& prefix : w.Prefixes)
        args.insert(args.end(), {"--prefix", prefix});
    args.insert(args.end(), terms.begin(), terms.end());
    return args;
}

void Measure(benchmark::State& state, const std::vector<std::string>& args, bool countOutput)
{
    double cpu = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(args, countOutput);
        if (!run.Ok) {
            state.SkipWithError(("cannot run " + args[0] + " " + args.back()).c_str());
            return;
        }
        state.SetIterationTime(run.WallSeconds);
        cpu += run.CpuSeconds;
        lines = run.OutputLines;
    }
    state.counters["child_cpu"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    if (countOutput)
        state.counters["lines"] = static_cast<double>(lines);
}

void Lookup(benchmark::State& state, const char* term)
{
    const Workload& w = W1();
    if (UsableWorkload(state, w))
        Measure(state, LookupArgs(w, {term}), false);
}

// A script's batch in one process: 100,000 values, Win32 codes and their
// HRESULT forms in turn, each with its message; some have no definition, so
// the status may be 1.
void LookupManyTerms(benchmark::State& state)
{
    const Workload& w = W1();
    if (!UsableWorkload(state, w))
        return;
    std::vector<std::string> terms;
    for (int i = 0; i < kManyTerms; ++i) {
        const unsigned code = static_cast<unsigned>(i * 7919 % 16000);
        terms.push_back(i % 2 == 0 ? std::to_string(code) : "0x" + HexOf(0x80070000u + code));
    }
    double cpu = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(LookupArgs(w, terms), false, {0, 1});
        if (!run.Ok) {
            state.SkipWithError("cannot run the lookup of many terms");
            return;
        }
        state.SetIterationTime(run.WallSeconds);
        cpu += run.CpuSeconds;
    }
    state.counters["child_cpu"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(static_cast<std::int64_t>(kManyTerms) * state.iterations());
}

// The built-in catalogue alone, as an installed program answers with no
// header and no settings.
void LookupBuiltIn(benchmark::State& state, const char* term)
{
    Measure(state, {LookupProgram(), term}, false);
}

void Errno(benchmark::State& state)
{
    Measure(state, {"errno", "5"}, false);
}

void LookupScan(benchmark::State& state)
{
    const Workload& w = W2();
    if (!UsableWorkload(state, w))
        return;
    Measure(state, LookupArgs(w, {"--scan"}), true);
    state.SetBytesProcessed(static_cast<std::int64_t>(w.Bytes) * state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(Lookup, HexW1, "0x80070005")->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lookup, NameW1, "ERROR_ACCESS_DENIED")
    ->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LookupBuiltIn, HexBuiltIn, "0x80070005")
    ->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LookupBuiltIn, NameBuiltIn, "STATUS_ACCESS_VIOLATION")
    ->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK(LookupManyTerms)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);
BENCHMARK(Errno)->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK(LookupScan)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
