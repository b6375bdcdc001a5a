#include "settings/ReplacingFile.h"

#include "platform/win32.h"

#include <cstring>

namespace {

constexpr char TEMPORARY_SUFFIX[] = ".tmp";

} // namespace

ReplacingFile::ReplacingFile(LPCSTR target)
    : targetName(target), temporaryName(nullptr), file(INVALID_HANDLE_VALUE)
{
}

ReplacingFile::~ReplacingFile()
{
    Discard();
    LocalFree(temporaryName);
}

bool ReplacingFile::Open()
{
    if (targetName == nullptr || *targetName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const SIZE_T length = std::strlen(targetName);
    temporaryName = static_cast<LPSTR>(LocalAlloc(LMEM_FIXED, length + sizeof TEMPORARY_SUFFIX));
    if (temporaryName == nullptr)
        return false;
    std::memcpy(temporaryName, targetName, length);
    std::memcpy(temporaryName + length, TEMPORARY_SUFFIX, sizeof TEMPORARY_SUFFIX);

    file = CreateFileA(temporaryName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;
}

bool ReplacingFile::Write(LPCVOID bytes, DWORD count)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes, count, &written, nullptr))
        return false;
    if (written != count) {
        SetLastError(ERROR_WRITE_FAULT);
        return false;
    }
    return true;
}

bool ReplacingFile::Commit()
{
    if (!FlushFileBuffers(file))
        return false;
    const HANDLE closing = file;
    file = INVALID_HANDLE_VALUE;
    if (CloseHandle(closing) && MoveFileExA(temporaryName, targetName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD code = GetLastError();
    DeleteFileA(temporaryName);
    SetLastError(code);
    return false;
}

// Closing and deleting must not overwrite the code of the failure that led here.
void ReplacingFile::Discard()
{
    if (file == INVALID_HANDLE_VALUE)
        return;
    const DWORD code = GetLastError();
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    DeleteFileA(temporaryName);
    SetLastError(code);
}
