// A test hook in the memory layer: the nth allocation or reallocation from
// now (1-based) fails as if the heap were exhausted, so tests can reach every
// out-of-memory path; and the largest request since the last reset is kept,
// so a test can tell what a reader asked for without waiting for it. Only the
// program's own heap layer consults it.
#pragma once

#include <cstddef>

namespace MemoryFaults {

// 0 disarms it.
void FailNth(int nth);
// Disarms the fault and restarts the count and the largest request.
void Reset();

// The most bytes one allocation or reallocation asked for since Reset,
// whether it was met or not.
std::size_t LargestRequest();

// Used by the memory layer: notes the size of every request, then counts
// the call and tells whether it must fail.
void NoteRequest(std::size_t bytes);
bool ShouldFail();

} // namespace MemoryFaults
