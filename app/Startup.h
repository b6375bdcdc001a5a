// The program from start to end: find the executable's folder, load the
// settings beside it or from the user's folder, make the application object and the windows of the
// run, run the loop, and save the settings when it ends.
#pragma once

#include "text/TMyString.h"

#include <functional>
#include <optional>
#include <string>

struct StartupOptions {
    // The executable's full path; the running executable's when absent.
    std::optional<std::string> executablePath;
    // Runs just before each window of the run is created, with the name of
    // its global ("frmMain", ...); an exception thrown here is an
    // exception of start-up.
    std::function<void(const char* window)> beforeWindowCreated;
};

// The executable's folder, without the separator after it.
extern TMyString AppFolder;

// Returns the exit code: 0 on every path that reaches the end.
int RunVantrel(int& argc, char** argv, const StartupOptions& options = {});
