// The file-system services behind replacing a file whole: each save writes a
// temporary file of its own beside the file it replaces and renames it over
// that file once complete, so two programs saving at once never write into
// one file, and the last rename wins with one complete save on disk.
#pragma once

#include "win32_types.h"

#include <string>

// The file fileName finally names, with every link followed, so a save
// replaces the linked file and keeps the link; fileName itself when it is no
// link or names nothing yet. FALSE with ERROR_CANT_RESOLVE_FILENAME for a
// loop of links.
BOOL ResolveFileLinks(LPCSTR fileName, std::string& resolved);

// TRUE when fileName does not exist or this user may write into it. FALSE
// with ERROR_ACCESS_DENIED for a write-protected file or one that is no
// regular file: a save refuses it, as opening it for writing would fail.
BOOL MayReplaceFile(LPCSTR fileName);

// A new empty file, created exclusively (never one that exists already),
// open for writing, in the folder of fileName under a name that carries this
// process's id; temporaryName receives that name. INVALID_HANDLE_VALUE with
// the last error set on failure.
HANDLE CreateReplacementFile(LPCSTR fileName, std::string& temporaryName);

// Deletes what saves that were killed left behind: the files of
// CreateReplacementFile's naming in the folder of fileName whose process has
// ended. A file of a running process, or of any other name, stays.
void RemoveStaleReplacementFiles(LPCSTR fileName);

// Makes the rename that just put fileName in place survive a power cut. Only
// as good as the file system allows; the rename has happened either way.
void FlushFolderOf(LPCSTR fileName);
