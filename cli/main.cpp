// vantrel-lookup: looks Windows error codes up from a terminal or a script,
// on the same headers, settings and system messages as the window program.
#include "cli/RunLookup.h"
#include "output/SystemMessageText.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunLookup(args, InstalledLookupPlaces(), SystemMessageTextUtf8, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
