// The "TSSF" block form of a string list, as the settings file stores it:
// a 16-byte header (magic, version 1, the two sorted flags, the count and the
// payload size), one 16-byte table entry per item (unused, length, size,
// index), then the texts with their zero bytes. Little-endian throughout.
#include "text/TStringsStorage.h"

#include "platform/win32.h"
#include "text/FileTransfer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr BYTE kMagic[4] = {'T', 'S', 'S', 'F'};
constexpr WORD kVersion = 1;
constexpr DWORD kHeaderBytes = 16;
constexpr DWORD kEntryBytes = 16;
// The smallest item: one character and its zero byte, after its table entry.
constexpr std::uint64_t kSmallestItemBytes = kEntryBytes + 2;
// The table is read and checked this many entries at a time, never whole, so
// a block that claims more items than it holds is refused after one chunk.
constexpr DWORD kEntriesPerChunk = 1024;
// Texts are read this many bytes at a time.
constexpr DWORD kTextChunk = 0x10000;

void PutWord(BYTE* at, WORD value)
{
    at[0] = static_cast<BYTE>(value);
    at[1] = static_cast<BYTE>(value >> 8);
}

void PutDword(BYTE* at, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<BYTE>(value >> (8 * i));
}

WORD GetWord(const BYTE* at)
{
    return static_cast<WORD>(at[0] | (at[1] << 8));
}

DWORD GetDword(const BYTE* at)
{
    return static_cast<DWORD>(at[0]) | static_cast<DWORD>(at[1]) << 8 | static_cast<DWORD>(at[2]) << 16
           | static_cast<DWORD>(at[3]) << 24;
}

bool IsUsable(HANDLE file)
{
    return file != nullptr && file != INVALID_HANDLE_VALUE;
}

// The entry at position index of the table, if it describes a non-empty text
// whose size is its length plus its zero byte.
bool EntryIsSound(const BYTE* entry, DWORD index, LONG& length, LONG& size)
{
    length = static_cast<LONG>(GetDword(entry + 4));
    size = static_cast<LONG>(GetDword(entry + 8));
    return length > 0 && std::int64_t{size} == std::int64_t{length} + 1 && GetDword(entry + 12) == index;
}

// Reads the item's text in chunks into a buffer that grows only with bytes
// that passed: characters without a zero among them, then the zero. A text
// that claims gigabytes of what is a hole in the file is refused at its
// first zero, not allocated whole.
DWORD ReadText(HANDLE file, TStringsStorage::Item& item)
{
    const auto size = static_cast<DWORD>(item.size);
    DWORD capacity = std::min(size, kTextChunk);
    item.text = static_cast<char*>(LocalAlloc(LMEM_FIXED, capacity));
    if (item.text == nullptr)
        return GetLastError();
    for (DWORD done = 0; done < size;) {
        if (done == capacity) {
            capacity = static_cast<DWORD>(std::min<std::uint64_t>(size, std::uint64_t{capacity} * 2));
            auto* larger = static_cast<char*>(LocalReAlloc(item.text, capacity, LMEM_MOVEABLE));
            if (larger == nullptr)
                return GetLastError();
            item.text = larger;
        }
        const DWORD chunk = std::min(capacity - done, kTextChunk);
        const DWORD code = ReadExactly(file, item.text + done, chunk);
        if (code != ERROR_SUCCESS)
            return code;
        const auto length = static_cast<DWORD>(item.length);
        const DWORD characters = length > done ? std::min(chunk, length - done) : 0;
        if (std::memchr(item.text + done, '\0', characters) != nullptr)
            return ERROR_FILE_CORRUPT;
        done += chunk;
    }
    return item.text[item.length] == '\0' ? ERROR_SUCCESS : ERROR_FILE_CORRUPT;
}

} // namespace

DWORD TStringsStorage::WriteBlock(HANDLE file)
{
    if (!IsUsable(file))
        return ERROR_INVALID_PARAMETER;
    std::uint64_t payload = std::uint64_t{kEntryBytes} * static_cast<std::uint64_t>(count);
    for (LONG i = 0; i < count; ++i)
        payload += static_cast<std::uint64_t>(items[i].size);
    if (payload > 0xFFFFFFFFu)
        return ERROR_ARITHMETIC_OVERFLOW;

    BYTE header[kHeaderBytes] = {};
    std::memcpy(header, kMagic, sizeof kMagic);
    PutWord(header + 4, kVersion);
    header[6] = sortedAscending;
    header[7] = sortedDescending;
    PutDword(header + 8, static_cast<DWORD>(count));
    PutDword(header + 12, static_cast<DWORD>(payload));
    DWORD code = WriteExactly(file, header, kHeaderBytes);

    for (LONG i = 0; i < count && code == ERROR_SUCCESS; ++i) {
        BYTE entry[kEntryBytes] = {};
        PutDword(entry + 4, static_cast<DWORD>(items[i].length));
        PutDword(entry + 8, static_cast<DWORD>(items[i].size));
        PutDword(entry + 12, items[i].index);
        code = WriteExactly(file, entry, kEntryBytes);
    }
    for (LONG i = 0; i < count && code == ERROR_SUCCESS; ++i)
        code = WriteExactly(file, items[i].text, static_cast<DWORD>(items[i].size));
    return code;
}

// The file is untrusted: every count and size is checked against the block's
// payload size, and that against the bytes the file has left, before
// anything is allocated for it, and every text is checked for its zero byte
// before the list may use it. A block that fails a check is corrupt; then, as
// after any failed read but a foreign magic or version, the list is left
// empty.
DWORD TStringsStorage::ReadBlock(HANDLE file)
{
    if (!IsUsable(file)) {
        Clear();
        return ERROR_INVALID_PARAMETER;
    }
    BYTE header[kHeaderBytes];
    DWORD code = ReadExactly(file, header, kHeaderBytes);
    if (code != ERROR_SUCCESS) {
        Clear();
        return code;
    }
    if (std::memcmp(header, kMagic, sizeof kMagic) != 0)
        return ERROR_BAD_FORMAT;
    if (GetWord(header + 4) != kVersion)
        return ERROR_REVISION_MISMATCH;

    Clear();
    const DWORD n = GetDword(header + 8);
    if (n == 0)
        return ERROR_SUCCESS;
    code = ReadItems(file, n, GetDword(header + 12));
    if (code != ERROR_SUCCESS) {
        Clear();
        return code;
    }
    sortedAscending = header[6] != 0 ? 1 : 0;
    sortedDescending = header[7] != 0 ? 1 : 0;
    return ERROR_SUCCESS;
}

// Reads n items into the empty list; on failure the caller empties it again.
// The payload (the table and the texts) must hold n of the smallest items
// and fit into what the file has left; every entry is checked as its chunk
// comes in, and the item array grows only with the entries that passed.
DWORD TStringsStorage::ReadItems(HANDLE file, DWORD n, DWORD payload)
{
    std::uint64_t left = 0;
    DWORD code = BytesLeft(file, &left);
    if (code != ERROR_SUCCESS)
        return code;
    if (n > 0x7FFFFFFFu || kSmallestItemBytes * n > payload || payload > left)
        return ERROR_FILE_CORRUPT;
    std::uint64_t textBytesLeft = payload - std::uint64_t{kEntryBytes} * n;

    BYTE chunk[kEntriesPerChunk * kEntryBytes];
    LONG capacity = 0;
    for (DWORD first = 0; first < n; first += kEntriesPerChunk) {
        const DWORD entries = std::min(n - first, kEntriesPerChunk);
        code = ReadExactly(file, chunk, entries * kEntryBytes);
        if (code != ERROR_SUCCESS)
            return code;
        const auto needed = static_cast<LONG>(first + entries);
        if (needed > capacity) {
            const std::int64_t doubled = std::max<std::int64_t>(2 * std::int64_t{capacity}, needed);
            capacity = static_cast<LONG>(std::min<std::int64_t>(n, doubled));
            code = ResizeItems(capacity);
            if (code != ERROR_SUCCESS)
                return code;
        }
        for (DWORD i = 0; i < entries; ++i) {
            LONG length = 0;
            LONG size = 0;
            if (!EntryIsSound(chunk + kEntryBytes * i, first + i, length, size)
                || static_cast<std::uint64_t>(size) > textBytesLeft)
                return ERROR_FILE_CORRUPT;
            textBytesLeft -= static_cast<std::uint64_t>(size);
            items[count] = {nullptr, length, size, first + i};
            ++count;
        }
    }

    for (LONG i = 0; i < count && code == ERROR_SUCCESS; ++i)
        code = ReadText(file, items[i]);
    return code;
}
