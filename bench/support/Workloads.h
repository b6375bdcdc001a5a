// The workloads every benchmark measures, from the mingw-w64 include tree:
//   W1: winerror.h with the 34 prefixes the program starts with;
//   W2: every *.h under the tree with the 27 prefixes A to Z and _.
// The tree's place may be changed with VANTREL_BENCH_INCLUDE.
#pragma once

#include "platform/win32_types.h"
#include "text/TStringsStorage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Workload {
    std::string Name;
    std::vector<std::string> Headers; // paths, in a fixed order
    std::vector<std::string> Prefixes;
    std::uint64_t Bytes = 0; // the headers' sizes together
    // Empty when the workload can be measured; else why not.
    std::string Missing;
};

const Workload& W1();
const Workload& W2();
const Workload& WorkloadByIndex(int index); // 0: W1, 1: W2

// A prefix list with every entry selected, as ScanHeader takes it.
struct SelectedList {
    TStringsStorage List;
    std::vector<BYTE> Flags;

    explicit SelectedList(const std::vector<std::string>& texts);
    const BYTE* Selected() const { return Flags.empty() ? nullptr : Flags.data(); }
};

namespace benchmark {
class State;
}
// False, with the benchmark skipped and the reason given, when w cannot be
// measured on this machine.
bool UsableWorkload(benchmark::State& state, const Workload& w);
