// vantrel-lookup as users run it: each lookup a whole cold process over W1,
// beside errno from Debian's moreutils, which looks a code up in the C
// library's own table; the same from the built-in catalogue alone; 100,000
// terms in one process over W1; --scan over W2, to set beside cat of the
// same files (bench_peers); and --annotate over a generated log of 256 MB
// beside grep -c 0x of the same file. The time is the child's wall time,
// child_cpu its processor time.
#include "support/ChildRun.h"
#include "support/Workloads.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Whole processes vary more than work in process; a fixed count keeps every
// repetition the same size.
constexpr int kLaunches = 30;
constexpr int kScans = 5;
constexpr int kManyTerms = 100000;
constexpr std::uint64_t kLogBytes = std::uint64_t(256) << 20;

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

// Lines as build, event, crash, installer and update logs write them;
// about one in eight holds a code, the rest numbers that are none.
constexpr const char* kLogLines[] = {
    "2023-11-05T10:22:33.1234567Z ##[group]Run actions/checkout@v4 (build 20231105.3)",
    "C:\\src\\app\\main.cpp(123,45): warning C4244: '=': conversion from 'int64_t' to 'int', possible loss of data",
    "MSI (s) (7C:40) [10:22:34:230]: Note: 1: 2203 2: C:\\Windows\\Installer\\inprogressinstallinfo.ipi 3: -2147287038",
    "2023-11-05 10:22:40, Info                  CBS    Exec: Processing started.  Client: WindowsUpdateAgent, Session: 31064923_2781537342",
    "[2023-11-05 10:22:33.472] [info] worker 12 finished in 1234 ms, 56 items, 78.9 MB/s, pid 4312 tid 7781",
    "Faulting application name: app.exe, version: 10.0.19041.1, time stamp: 0x5f3c2a1b",
    "Report Id: 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a, offset 0x000000000009e8fb",
    "2023/11/05 10:22:38.0000000 1234  5678  DownloadManager Download job bytes total = 845937664, bytes transferred = 845937664",
    "  Building solution configuration \"Release|x64\" on node 1 (default targets); Time Elapsed 00:01:23.45",
    "[0E48:0F2C][2023-11-05T10:22:45]i319: Applied execute package: FooMsi, result: 0x80070643, restart: None",
    "Exception code: 0xc0000005",
    "CustomAction CA_Register returned actual error code 1603 (note this may not be 100% accurate)",
    "Exception Info: System.UnauthorizedAccessException: Access to the path is denied. HResult: -2147024891",
    "error MSB3073: The command \"copy /y app.dll C:\\out\\\" exited with code 1.",
    "2023-11-05 10:22:41, Error                 CBS    Failed to resolve package [HRESULT = 0x800f081f - CBS_E_SOURCE_MISSING]",
    "Get-WmiObject : Access denied (Exception from HRESULT: 0x80070005 (E_ACCESSDENIED))",
};

// A log of kLogBytes made once per run from kLogLines in a fixed
// pseudo-random order, in the temporary folder; removed at exit.
const std::string& GeneratedLog()
{
    static const struct Log {
        std::string path;
        Log()
        {
            path =
                (std::filesystem::temp_directory_path() / ("vantrel-bench-log-" + std::to_string(::getpid()))).string();
            std::ofstream out(path, std::ios::binary);
            std::string block;
            std::uint32_t state = 12345;
            for (std::uint64_t written = 0; written < kLogBytes && out;) {
                block.clear();
                while (block.size() < (1u << 20)) {
                    state = state * 1664525u + 1013904223u;
                    const std::size_t pick = state >> 28; // 0..15
                    // Most lines of a real log hold no code: the lines from
                    // the tenth on, each with codes, come one time in eight.
                    const std::size_t line = (state >> 8 & 7u) == 0 ? pick : pick % 9;
                    block += kLogLines[line];
                    block += "\r\n";
                }
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
                written += block.size();
            }
            if (!out)
                path.clear();
        }
        ~Log()
        {
            if (!path.empty())
                std::filesystem::remove(path);
        }
    } log;
    return log.path;
}

// The output goes into a pipe that is read to the end and its lines
// counted, as a reader of the annotation would.
void MeasureLog(benchmark::State& state, const std::vector<std::string>& args)
{
    const std::string& log = GeneratedLog();
    if (log.empty()) {
        state.SkipWithError("cannot write the generated log");
        return;
    }
    std::vector<std::string> full = args;
    full.push_back(log);
    Measure(state, full, true);
    state.SetBytesProcessed(static_cast<std::int64_t>(std::filesystem::file_size(log)) * state.iterations());
}

void LookupAnnotate(benchmark::State& state)
{
    MeasureLog(state, {LookupProgram(), "--annotate"});
}

void GrepCountLog(benchmark::State& state)
{
    MeasureLog(state, {"grep", "-c", "0x"});
}

} // namespace

BENCHMARK_CAPTURE(Lookup, HexW1, "0x80070005")->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lookup, NameW1, "ERROR_ACCESS_DENIED")
    ->UseManualTime()
    ->Iterations(kLaunches)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LookupBuiltIn, HexBuiltIn, "0x80070005")
    ->UseManualTime()
    ->Iterations(kLaunches)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LookupBuiltIn, NameBuiltIn, "STATUS_ACCESS_VIOLATION")
    ->UseManualTime()
    ->Iterations(kLaunches)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(LookupManyTerms)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);
BENCHMARK(Errno)->UseManualTime()->Iterations(kLaunches)->Unit(benchmark::kMillisecond);
BENCHMARK(LookupScan)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);
BENCHMARK(LookupAnnotate)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);
BENCHMARK(GrepCountLog)->UseManualTime()->Iterations(kScans)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
