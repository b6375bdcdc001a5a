// Writes a whole file as every save of the program does (ReplacingFile): a
// failure never leaves a half-written file under the chosen name, a link is
// written through to the file it names, and a write-protected file is
// refused rather than replaced.
#pragma once

#include "platform/win32_types.h"

#include <string_view>

// True when fileName holds exactly bytes. False with the last error set; the
// file under fileName is then as it was, and no temporary file is left.
bool WriteFileReplacing(LPCSTR fileName, std::string_view bytes);
