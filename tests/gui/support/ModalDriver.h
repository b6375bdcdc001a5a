// Drives a window that a command shows modally, so that a test of the
// command never waits for a user.
#pragma once

#include <functional>

class QWidget;

// Runs trigger; once the modal window it opens is up, runs inspect on it and
// then closes it if inspect left it open. A modal window still open after
// timeoutMs is closed regardless. Returns whether a modal window was seen.
bool WithModalWindow(const std::function<void()>& trigger, const std::function<void(QWidget* modal)>& inspect,
                     int timeoutMs = 5000);
