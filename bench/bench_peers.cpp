// A peer and the floor for the header scan, over the same files: GNU grep
// with the regular expression of a define with a selected prefix, and cat of
// the files to /dev/null. Each runs as a whole process; the time is its wall
// time, and the counter child_cpu its processor time (user and system), the
// figure to set against the scan's CPU time on a busy machine.
#include "support/Workloads.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct ChildRun {
    bool Ok = false;
    double WallSeconds = 0;
    double CpuSeconds = 0;
    std::size_t OutputLines = 0;
};

// Runs argv with stdout to /dev/null, or to a pipe whose lines are counted:
// grep stops at the first match when its output is /dev/null.
ChildRun Run(const std::vector<std::string>& args, bool countOutput)
{
    ChildRun run;
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (countOutput) {
        if (pipe(pipeEnds) != 0)
            return run;
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (countOutput) {
        close(pipeEnds[1]);
        if (spawned == 0) {
            char buffer[1 << 16];
            for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
                for (ssize_t i = 0; i < got; ++i)
                    run.OutputLines += buffer[i] == '\n';
            }
        }
        close(pipeEnds[0]);
    }
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.WallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    run.CpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    // grep ends with 1 when nothing matched, which is a result too.
    run.Ok = WIFEXITED(status) && (WEXITSTATUS(status) == 0 || (countOutput && WEXITSTATUS(status) == 1));
    return run;
}

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
        const ChildRun run = Run(args, countOutput);
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
