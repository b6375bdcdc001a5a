// Runs the whole program, loop included, inside a window test.
#pragma once

#include "app/Startup.h"

#include <functional>

// Starts the program with options; inLoop (if any) runs once the loop is up,
// then the main window closes. A loop that has not ended after ten seconds
// is ended with 1 and a warning, after onHang (if any) has closed what
// would keep it up, so a fault fails the test instead of hanging it.
int RunProgram(const StartupOptions& options, const std::function<void()>& inLoop = {},
               const std::function<void()>& onHang = {});
