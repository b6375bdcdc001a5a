// Saves one variant of the settings to a file whenever it reads an "s" on
// its input, and answers each save with its result and last error on a line
// of its own. Several of these, driven at once, are programs that save
// their settings at the same moment, as every copy of the program does when
// a desktop session ends.
#include "platform/win32.h"
#include "saver_variant.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_saver FILE VARIANT\n");
        return 2;
    }
    TSettings settings(nullptr);
    MakeVariant(settings, std::atoi(argv[2]));
    for (int command = std::getchar(); command != EOF; command = std::getchar()) {
        if (command != 's')
            continue;
        const bool saved = settings.Save(argv[1]);
        std::printf("%d %lu\n", saved ? 1 : 0, static_cast<unsigned long>(GetLastError()));
        std::fflush(stdout);
    }
    return 0;
}
