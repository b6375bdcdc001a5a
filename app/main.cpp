#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/Startup.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Before the application object, which needs a display.
    if (const std::optional<int> exitCode = AnswerCommandLine(argc, argv, std::cout, std::cerr))
        return *exitCode;
    if (!DisplayReachable(std::cerr))
        return 1;
    return RunVantrel(argc, argv);
}
