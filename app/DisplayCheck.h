// Whether the window can reach a display, asked before the application
// object exists: Qt ends a run that finds none with abort() and a list of its
// plugins, which tells a user at a terminal nothing he can act on.
#pragma once

#include <ostream>

// False, after one line on err naming the display asked for, when no
// platform the run would use can open a display. Platforms that need none
// (offscreen, VNC, a frame buffer) always pass, and so does anything that
// cannot be told beforehand: Qt has the last word then.
bool DisplayReachable(std::ostream& err);
