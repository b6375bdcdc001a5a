#include "output/FileReplacement.h"

#include "platform/file_access.h"
#include "platform/win32.h"

#include <algorithm>
#include <string>

namespace {

// Enough tries to step past the leftovers of runs that were killed mid-save.
constexpr int TemporaryNameTries = 100;
constexpr std::size_t WriteChunk = 64 * 1024;

// A short name beside the target, so a long target name cannot make it too
// long for the file system.
std::string TemporaryName(std::string_view target, int attempt)
{
    const std::size_t slash = target.find_last_of('/');
    const std::string_view folder = slash == std::string_view::npos ? std::string_view() : target.substr(0, slash + 1);
    return std::string(folder) + ".vantrel-save-" + std::to_string(attempt) + ".tmp";
}

HANDLE CreateTemporary(std::string_view target, std::string& name)
{
    for (int attempt = 1; attempt <= TemporaryNameTries; ++attempt) {
        name = TemporaryName(target, attempt);
        const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                        nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD count = static_cast<DWORD>(std::min(bytes.size(), WriteChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), count, &written, nullptr))
            return false;
        if (written != count) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(count);
    }
    return true;
}

// Closing and deleting must not overwrite the code of the failure that led here.
void Discard(HANDLE file, const std::string& name)
{
    const DWORD code = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    DeleteFileA(name.c_str());
    SetLastError(code);
}

} // namespace

bool WriteFileReplacing(LPCSTR fileName, std::string_view bytes)
{
    if (fileName == nullptr || *fileName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    std::string temporary;
    const HANDLE file = CreateTemporary(fileName, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // The rights go over before the text goes in, so a private file's text
    // is never readable to others on the way.
    if (!CopyFileAccess(fileName, temporary.c_str()) || !WriteAll(file, bytes) || !FlushFileBuffers(file)) {
        Discard(file, temporary);
        return false;
    }
    if (!CloseHandle(file)) {
        Discard(INVALID_HANDLE_VALUE, temporary);
        return false;
    }
    if (!MoveFileExA(temporary.c_str(), fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard(INVALID_HANDLE_VALUE, temporary);
        return false;
    }
    return true;
}
