#include "memory_faults.h"

#include <atomic>

namespace {
std::atomic<int> allocations{0};
std::atomic<int> failAt{0};
} // namespace

namespace MemoryFaults {

void FailNth(int nth)
{
    failAt = nth == 0 ? 0 : allocations + nth;
}

void Reset()
{
    failAt = 0;
    allocations = 0;
}

bool ShouldFail()
{
    const int call = ++allocations;
    return failAt != 0 && call == failAt;
}

} // namespace MemoryFaults
