// The program's command line: --help and --version answer on the terminal
// and end the program before any display is needed; anything else is refused.
#pragma once

#include <optional>
#include <ostream>

// The exit code when the command line ends the program (0 after --help or
// --version, 2 for anything else), or nothing when the window should run.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
