// The names of the temporary files saves write beside the file they replace:
// ".vantrel-save-<process id>-<six letters>.tmp". The process id tells a
// later save whether the writer is still running; the letters keep two
// saves of one process apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::string_view ReplacementNamePrefix = ".vantrel-save-";
inline constexpr std::string_view ReplacementNameSuffix = ".tmp";

// A new name of this naming for the given process, with fresh random letters.
std::string ReplacementFileName(std::uint32_t process);

// The process id in a name of this naming; 0 for any other name.
std::uint32_t ReplacementFileOwner(std::string_view name);
