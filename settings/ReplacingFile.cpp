#include "settings/ReplacingFile.h"

#include "platform/file_access.h"
#include "platform/replacement_files.h"
#include "platform/win32.h"

ReplacingFile::ReplacingFile(LPCSTR target) : requestedName(target), file(INVALID_HANDLE_VALUE)
{
}

ReplacingFile::~ReplacingFile()
{
    Discard();
}

bool ReplacingFile::Open()
{
    if (requestedName == nullptr || *requestedName == '\0') {
        SetLastError(requestedName == nullptr ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (!ResolveFileLinks(requestedName, targetName) || !MayReplaceFile(targetName.c_str()))
        return false;
    RemoveStaleReplacementFiles(targetName.c_str());
    file = CreateReplacementFile(targetName.c_str(), temporaryName);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // The rights go over before the bytes go in, so a private file's
    // content is never readable to others on the way.
    if (!CopyFileAccess(targetName.c_str(), temporaryName.c_str())) {
        Discard();
        return false;
    }
    return true;
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
    if (!CloseHandle(closing) || !KeepTarget()
        || !MoveFileExA(temporaryName.c_str(), targetName.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        DeleteFileA(temporaryName.c_str());
        if (!keptName.empty())
            MoveFileExA(keptName.c_str(), targetName.c_str(), 0);
        SetLastError(code);
        return false;
    }
    // This save's file is in place from here on, so nothing after the
    // rename may turn it into a reported failure.
    FlushFolderOf(targetName.c_str());
    SetLastError(ERROR_SUCCESS);
    return true;
}

// Only now, with the new file complete: a save that fails before this point
// leaves the target where it was, and one whose rename fails after it puts
// the target back.
bool ReplacingFile::KeepTarget()
{
    if (keptSuffix.empty() || GetFileAttributesA(targetName.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    const std::string name = targetName + keptSuffix;
    if (!MoveFileExA(targetName.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    keptName = name;
    return true;
}

// Closing and deleting must not overwrite the code of the failure that led here.
void ReplacingFile::Discard()
{
    if (file == INVALID_HANDLE_VALUE)
        return;
    const DWORD code = GetLastError();
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    DeleteFileA(temporaryName.c_str());
    SetLastError(code);
}
