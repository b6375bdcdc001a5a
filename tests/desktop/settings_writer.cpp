// Writes a settings file for a run of the real program: the defaults, with
// the general options named on the command line, and with Header=<path> a
// header of its own, selected, as the only one, with the first prefix
// (ERROR_) selected.
//   settings_writer <file> [ShowAtStart=N] [UseTray=N] [FlatButtons=N] [EscapeAction=N] [Header=<path>]
#include "settings/TSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: settings_writer <file> [ShowAtStart=N] [UseTray=N] [FlatButtons=N] [EscapeAction=N] "
                     "[Header=<path>]\n");
        return 2;
    }
    TSettings settings(nullptr);
    TSettings::tagGeneralOptions& options = settings.GeneralOptions;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const std::size_t equals = option.find('=');
        const std::string name = option.substr(0, equals);
        const char* text = equals == std::string::npos ? "" : argv[i] + equals + 1;
        const long value = std::strtol(text, nullptr, 10);
        if (name == "Header") {
            TSettings::tagErrorsOptions& lists = settings.ErrorsOptions;
            lists.RemoveHeader(0);
            lists.AddHeader(text);
            lists.HeaderSelected[0] = 1;
            lists.PrefixSelected[0] = 1;
        } else if (name == "ShowAtStart")
            options.ShowAtStart = static_cast<BYTE>(value);
        else if (name == "UseTray")
            options.UseTray = static_cast<BYTE>(value);
        else if (name == "FlatButtons")
            options.FlatButtons = static_cast<BYTE>(value);
        else if (name == "EscapeAction")
            options.EscapeAction = value;
        else {
            std::fprintf(stderr, "settings_writer: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    return settings.Save(argv[1]) ? 0 : 1;
}
