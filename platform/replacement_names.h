// The names of the temporary files saves write beside the file they replace:
// ".vantrel-save-<process id>-<six letters>.tmp". The process id tells a
// later save whether the writer is still running; the letters keep two
// saves of one process apart.
#pragma once

#include "win32_types.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::string_view ReplacementNamePrefix = ".vantrel-save-";
inline constexpr std::string_view ReplacementNameSuffix = ".tmp";

// A new name of this naming for the given process, with fresh random letters.
std::string ReplacementFileName(std::uint32_t process);

// The process id in a name of this naming; 0 for any other name.
std::uint32_t ReplacementFileOwner(std::string_view name);

// A new empty file of this naming for process in folder (given with its
// separator, or empty), created exclusively and open for writing; fresh
// letters are tried while a name is taken. temporaryName receives the name.
// INVALID_HANDLE_VALUE with the last error set on failure.
HANDLE CreateReplacementFileIn(std::string_view folder, std::uint32_t process, std::string& temporaryName);
