// Writes a whole file so that a failure never leaves a half-written file
// under the chosen name: the bytes go into a new temporary file in the same
// folder, which replaces the chosen file only once it is complete and
// flushed. The temporary file is created new, so no other file of the
// folder is ever overwritten on the way, and it takes the access rights of
// the file it replaces.
#pragma once

#include "platform/win32_types.h"

#include <string_view>

// True when fileName holds exactly bytes. False with the last error set; the
// file under fileName is then as it was, and no temporary file is left.
bool WriteFileReplacing(LPCSTR fileName, std::string_view bytes);
