#include "cli/LookupPlaces.h"

// The window program is not built for Windows, so there is no settings file
// of its to follow: the program reads the built-in catalogue, or the headers
// given with --header.
LookupPlaces InstalledLookupPlaces()
{
    return LookupPlaces{};
}
