// What the system's code alone does not tell a user whose file could not be
// read or replaced: that the name is a folder or a device, which folder takes
// no new files, where a link leads, which folder is missing. The settings
// save message and the command line's header message both add it.
#pragma once

#include "win32_types.h"

#include <string>

enum class FileUse {
    Read,    // the file was to be opened for reading
    Replace, // a new file was to be written beside it and moved over it
};

// One or two sentences, each ending with a full stop, naming the file or
// folder the user must change; empty when the file system shows nothing
// beyond code. Only looks: it never opens, creates or waits on anything.
std::string FileFailureDetail(const std::string& path, DWORD code, FileUse use);
