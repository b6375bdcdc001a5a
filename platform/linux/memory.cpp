#include "memory.h"

#include "platform/memory_faults.h"
#include "win32_errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Each block carries its size in front, so a reallocation can zero exactly
// the bytes it adds, as LMEM_ZEROINIT asks.
struct alignas(std::max_align_t) BlockHeader {
    SIZE_T size;
};

constexpr SIZE_T kHeader = sizeof(BlockHeader);
// Larger requests could not be met anyway; refusing them early keeps the
// arithmetic below free of overflow.
constexpr SIZE_T kLargest = SIZE_T(1) << 46;

BlockHeader* HeaderOf(void* memory)
{
    return reinterpret_cast<BlockHeader*>(static_cast<char*>(memory) - kHeader);
}

void* Fail()
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

void* Allocate(UINT flags, SIZE_T bytes)
{
    MemoryFaults::NoteRequest(bytes);
    if (bytes > kLargest || MemoryFaults::ShouldFail())
        return Fail();
    void* block = (flags & LMEM_ZEROINIT) ? std::calloc(1, kHeader + bytes) : std::malloc(kHeader + bytes);
    if (block == nullptr)
        return Fail();
    auto* header = static_cast<BlockHeader*>(block);
    header->size = bytes;
    return static_cast<char*>(block) + kHeader;
}

void* Reallocate(void* memory, SIZE_T bytes, UINT flags)
{
    if (memory == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    MemoryFaults::NoteRequest(bytes);
    if (bytes > kLargest || MemoryFaults::ShouldFail())
        return Fail();
    BlockHeader* header = HeaderOf(memory);
    const SIZE_T oldSize = header->size;
    // A fixed block may only grow in place unless the caller lets it move;
    // realloc may always move, so without LMEM_MOVEABLE only shrinking is
    // allowed, which always stays in place.
    if ((flags & LMEM_MOVEABLE) == 0 && bytes > oldSize)
        return Fail();
    void* block = std::realloc(header, kHeader + bytes);
    if (block == nullptr)
        return Fail();
    header = static_cast<BlockHeader*>(block);
    header->size = bytes;
    char* data = static_cast<char*>(block) + kHeader;
    if ((flags & LMEM_ZEROINIT) && bytes > oldSize)
        std::memset(data + oldSize, 0, bytes - oldSize);
    return data;
}

void Release(void* memory)
{
    if (memory != nullptr)
        std::free(HeaderOf(memory));
}

} // namespace

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes)
{
    return Allocate(flags, bytes);
}

HLOCAL LocalReAlloc(HLOCAL memory, SIZE_T bytes, UINT flags)
{
    return Reallocate(memory, bytes, flags);
}

HLOCAL LocalFree(HLOCAL memory)
{
    Release(memory);
    return nullptr;
}

SIZE_T LocalSize(HLOCAL memory)
{
    return memory == nullptr ? 0 : HeaderOf(memory)->size;
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    return Allocate(flags, bytes);
}

HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags)
{
    return Reallocate(memory, bytes, flags);
}

HGLOBAL GlobalFree(HGLOBAL memory)
{
    Release(memory);
    return nullptr;
}
