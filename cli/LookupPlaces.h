// Where vantrel-lookup finds the window program's settings file, and what it
// reads as standard input.
#pragma once

#include <string>

struct LookupPlaces {
    std::string SettingsFile; // read, never written; empty for none
    int Input = 0;            // the descriptor --annotate reads as standard input
};

// Where the installed program finds them.
LookupPlaces InstalledLookupPlaces();
