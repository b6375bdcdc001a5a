// A file written under a temporary name beside its target and moved over the
// target only once it is complete and flushed, so a failed write never costs
// the user the file that was there before.
#pragma once

#include "platform/win32_types.h"

class ReplacingFile {
public:
    explicit ReplacingFile(LPCSTR target);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    // Removes the temporary file unless Commit succeeded; keeps the last error.
    ~ReplacingFile();

    // Creates the temporary file; false with the last error set.
    bool Open();
    // The open temporary file, for writers that take a handle.
    HANDLE Handle() const { return file; }
    // Writes all bytes or fails with the last error set (a short write counts
    // as ERROR_WRITE_FAULT).
    bool Write(LPCVOID bytes, DWORD count);
    // Flushes, closes and moves the temporary file over the target; on false
    // the temporary file is gone and the target untouched.
    bool Commit();

private:
    void Discard();

    LPCSTR targetName;
    LPSTR temporaryName;
    HANDLE file;
};
