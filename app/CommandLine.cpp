#include "app/CommandLine.h"

#include <string_view>

namespace {

constexpr int ExitUsage = 2;

constexpr std::string_view HelpText =
    "Usage: vantrel [--help | --version]\n"
    "\n"
    "Lists the error codes #defined in C and C++ headers (winerror.h by\n"
    "default) as a sortable table, finds them by name or value, shows their\n"
    "declarations and the system's message texts, and turns a list of them into\n"
    "a switch statement.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Settings are kept in vantrel.dat beside the program when its folder is\n"
    "writable, otherwise in $XDG_CONFIG_HOME/vantrel/vantrel.dat\n"
    "(~/.config/vantrel/vantrel.dat). See vantrel(1).\n";

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view argument = argv[1];
    if (argc == 2 && argument == "--help") {
        out << HelpText;
        return 0;
    }
    if (argc == 2 && argument == "--version") {
        out << "vantrel " << VANTREL_VERSION << '\n';
        return 0;
    }
    const std::string_view refused = argument == "--help" || argument == "--version" ? argv[2] : argument;
    err << "vantrel: unknown argument '" << refused << "' (try vantrel --help)\n";
    return ExitUsage;
}
