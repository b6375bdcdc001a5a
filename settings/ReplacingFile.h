// The one way the program replaces a file: the bytes go into a temporary
// file of this save's own, created new beside the file it replaces, which is
// moved over that file only once it is complete and flushed. A failed save
// never costs the user the file that was there before, two programs saving
// at once never write into one file (the last rename wins, and the file on
// disk is always one whole save), and a link keeps pointing at the file it
// names, which is replaced in its own folder.
#pragma once

#include "platform/win32_types.h"

#include <string>

class ReplacingFile {
public:
    explicit ReplacingFile(LPCSTR target);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    // Removes the temporary file unless Commit succeeded; keeps the last error.
    ~ReplacingFile();

    // Creates the temporary file, with the access rights of the file it is
    // to replace; false with the last error set. A write-protected target is
    // refused with ERROR_ACCESS_DENIED, as the system refuses to write it.
    bool Open();
    // The open temporary file, for writers that take a handle.
    HANDLE Handle() const { return file; }
    // Writes all bytes or fails with the last error set (a short write counts
    // as ERROR_WRITE_FAULT).
    bool Write(LPCVOID bytes, DWORD count);
    // Before the new file goes in, the file it replaces is moved aside, to
    // its own name with suffix added (in the folder of the file a link leads
    // to), over any older file of that name. For a file that is to be kept
    // although it could not be read.
    void KeepReplacedFile(const std::string& suffix) { keptSuffix = suffix; }
    // Flushes, closes and moves the temporary file over the target. True only
    // when this save's own file is the one now in place; on false the
    // temporary file is gone and the target in place (a target that could
    // not be moved aside is never replaced).
    bool Commit();

private:
    bool KeepTarget();
    void Discard();

    LPCSTR requestedName;
    std::string targetName; // the requested name with its links followed
    std::string temporaryName;
    std::string keptSuffix;
    std::string keptName; // where the target went aside, once it has
    HANDLE file;
};
