// A test hook in the memory layer: the nth allocation or reallocation from
// now (1-based) fails as if the heap were exhausted, so tests can reach every
// out-of-memory path. Only the program's own heap layer consults it.
#pragma once

namespace MemoryFaults {

// 0 disarms it.
void FailNth(int nth);
void Reset();

// Used by the memory layer: counts the call and tells whether it must fail.
bool ShouldFail();

} // namespace MemoryFaults
