// vantrel-lookup: looks Windows error codes up from a terminal or a script,
// on the same headers, settings and system messages as the window program.
#include "cli/CheckedOutput.h"
#include "cli/FamilyMessages.h"
#include "cli/RunLookup.h"
#include "cli/Utf8Console.h"

#include <cstring>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const Utf8Console console;
    CheckedOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunLookup(args, InstalledLookupPlaces(), FamilyMessage, out, std::cerr, FamilyMessageIn);
    if (const int error = standardOutput.Finish()) {
        std::cerr << "vantrel-lookup: the output could not be written: " << std::strerror(error) << '\n';
        return kLookupFailed;
    }
    return status;
}
