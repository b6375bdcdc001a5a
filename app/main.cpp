#include "app/CommandLine.h"
#include "app/Startup.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Before the application object, which needs a display.
    if (const std::optional<int> exitCode = AnswerCommandLine(argc, argv, std::cout, std::cerr))
        return *exitCode;
    return RunVantrel(argc, argv);
}
