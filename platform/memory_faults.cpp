#include "memory_faults.h"

#include <atomic>

namespace {
std::atomic<int> allocations{0};
std::atomic<int> failAt{0};
std::atomic<std::size_t> largest{0};
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
    largest = 0;
}

std::size_t LargestRequest()
{
    return largest;
}

void NoteRequest(std::size_t bytes)
{
    std::size_t seen = largest;
    while (bytes > seen && !largest.compare_exchange_weak(seen, bytes)) {}
}

bool ShouldFail()
{
    const int call = ++allocations;
    return failAt != 0 && call == failAt;
}

} // namespace MemoryFaults
