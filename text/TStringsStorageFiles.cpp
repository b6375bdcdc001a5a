// A string list as a file of its own: a plain text file with one item per
// line (or any separator), or a file holding just its block form.
#include "text/TStringsStorage.h"

#include "platform/text_lines.h"
#include "platform/win32.h"
#include "text/FileTransfer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The longest piece of a line read at once; a longer line goes on as the
// next item.
constexpr int kLineBuffer = 266;

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

} // namespace

// The separator goes between items only, so the file ends with the last item.
DWORD TStringsStorage::SaveToTextFile(LPCSTR fileName, WORD separator)
{
    if (fileName == nullptr || *fileName == '\0')
        return ERROR_INVALID_PARAMETER;
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();

    const BYTE separatorBytes[2] = {static_cast<BYTE>(separator), static_cast<BYTE>(separator >> 8)};
    const DWORD separatorSize = separator == 0 ? 0 : (separator < 256 ? 1 : 2);
    DWORD code = ERROR_SUCCESS;
    for (LONG i = 0; i < count && code == ERROR_SUCCESS; ++i) {
        if (i > 0 && separatorSize > 0)
            code = WriteExactly(file, separatorBytes, separatorSize);
        if (code == ERROR_SUCCESS)
            code = WriteExactly(file, items[i].text, static_cast<DWORD>(items[i].length));
    }
    if (code == ERROR_SUCCESS && !FlushFileBuffers(file))
        code = GetLastError();
    CloseHandle(file);
    return code;
}

// A failed read empties the list rather than leaving part of the file in it.
DWORD TStringsStorage::LoadFromTextFile(LPCSTR fileName)
{
    if (fileName == nullptr || *fileName == '\0')
        return ERROR_INVALID_PARAMETER;
    // The file layer opens regular files only and never waits, so asking it
    // first keeps fopen away from a FIFO, which would wait for a writer, and
    // from a device such as /dev/zero, whose NUL lines never end.
    const HANDLE probe =
        CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return GetLastError();
    CloseHandle(probe);
    std::FILE* file = std::fopen(fileName, "r");
    if (file == nullptr)
        return Win32ErrorFromErrno(errno);

    Clear();
    DWORD code = ERROR_SUCCESS;
    char line[kLineBuffer];
    while (code == ERROR_SUCCESS && ReadTextLine(line, kLineBuffer, file) != nullptr) {
        std::size_t length = std::strlen(line);
        if (length > 0 && IsLineEnd(line[length - 1]))
            --length;
        if (length > 0 && IsLineEnd(line[length - 1]))
            --length;
        if (length == 0)
            continue;
        line[length] = '\0';
        code = Add(line);
    }
    if (code == ERROR_SUCCESS && std::ferror(file))
        code = Win32ErrorFromErrno(errno);
    std::fclose(file);
    if (code != ERROR_SUCCESS)
        Clear();
    return code;
}

DWORD TStringsStorage::SaveBlockToFile(LPCSTR fileName)
{
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    const DWORD code = WriteBlock(file);
    CloseHandle(file);
    return code;
}

DWORD TStringsStorage::LoadBlockFromFile(LPCSTR fileName)
{
    HANDLE file = CreateFileA(fileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    const DWORD code = ReadBlock(file);
    CloseHandle(file);
    return code;
}
