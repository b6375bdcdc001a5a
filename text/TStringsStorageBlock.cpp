// The "TSSF" block form of a string list, as the settings file stores it:
// a 16-byte header (magic, version 1, the two sorted flags, the count and the
// payload size), one 16-byte table entry per item (unused, length, size,
// index), then the texts with their zero bytes. Little-endian throughout.
#include "text/TStringsStorage.h"

#include "platform/win32.h"
#include "text/FileTransfer.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr BYTE kMagic[4] = {'T', 'S', 'S', 'F'};
constexpr WORD kVersion = 1;
constexpr DWORD kHeaderBytes = 16;
constexpr DWORD kEntryBytes = 16;
// The smallest item: one character and its zero byte, after its table entry.
constexpr std::uint64_t kSmallestItemBytes = kEntryBytes + 2;

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

// Every entry must describe a non-empty text whose size is its length plus
// its zero byte, sit at its own position, and fit, together with the texts
// before it, into the bytes the file has left after the table.
bool EntriesAreSound(const BYTE* table, DWORD n, std::uint64_t textBytesLeft)
{
    std::uint64_t textBytes = 0;
    for (DWORD i = 0; i < n; ++i) {
        const BYTE* entry = table + std::uint64_t{kEntryBytes} * i;
        const auto length = static_cast<LONG>(GetDword(entry + 4));
        const auto size = static_cast<LONG>(GetDword(entry + 8));
        const DWORD index = GetDword(entry + 12);
        if (length <= 0 || std::int64_t{size} != std::int64_t{length} + 1 || index != i)
            return false;
        textBytes += static_cast<std::uint64_t>(size);
        if (textBytes > textBytesLeft)
            return false;
    }
    return true;
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

// The file is untrusted: every count and size is checked against the bytes
// the file has left before anything is allocated for it, and every text is
// checked for its zero byte before the list may use it. A block that fails a
// check is corrupt; then, as after any failed read but a foreign magic or
// version, the list is left empty.
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
    code = ReadItems(file, n);
    if (code != ERROR_SUCCESS) {
        Clear();
        return code;
    }
    sortedAscending = header[6] != 0 ? 1 : 0;
    sortedDescending = header[7] != 0 ? 1 : 0;
    return ERROR_SUCCESS;
}

// Reads n items into the empty list; on failure the caller empties it again.
DWORD TStringsStorage::ReadItems(HANDLE file, DWORD n)
{
    std::uint64_t left = 0;
    DWORD code = BytesLeft(file, &left);
    if (code != ERROR_SUCCESS)
        return code;
    const std::uint64_t tableBytes = std::uint64_t{kEntryBytes} * n;
    if (n > 0x7FFFFFFFu || tableBytes > 0xFFFFFFFFu || kSmallestItemBytes * n > left)
        return ERROR_FILE_CORRUPT;

    auto* table = static_cast<BYTE*>(LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(tableBytes)));
    if (table == nullptr)
        return GetLastError();
    code = ReadExactly(file, table, static_cast<DWORD>(tableBytes));
    if (code == ERROR_SUCCESS && !EntriesAreSound(table, n, left - tableBytes))
        code = ERROR_FILE_CORRUPT;
    if (code == ERROR_SUCCESS)
        code = ResizeItems(static_cast<LONG>(n));

    for (DWORD i = 0; i < n && code == ERROR_SUCCESS; ++i) {
        const BYTE* entry = table + std::uint64_t{kEntryBytes} * i;
        const auto length = static_cast<LONG>(GetDword(entry + 4));
        const auto size = static_cast<LONG>(GetDword(entry + 8));
        auto* text = static_cast<char*>(LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(size)));
        if (text == nullptr) {
            code = GetLastError();
            break;
        }
        items[count] = {text, length, size, i};
        ++count;
        code = ReadExactly(file, text, static_cast<DWORD>(size));
        if (code == ERROR_SUCCESS
            && (text[length] != '\0' || std::memchr(text, '\0', static_cast<SIZE_T>(length)) != nullptr))
            code = ERROR_FILE_CORRUPT;
    }
    LocalFree(table);
    return code;
}
