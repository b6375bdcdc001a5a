#include "cli/LookupPlaces.h"

#include "platform/win32.h"
#include "settings/SettingsLocation.h"

#include <string>

namespace {

constexpr DWORD kPathBufferSize = 4096;

} // namespace

// The settings file is the window program's, found by the same rule: beside
// the executable, or in the user's settings folder for an installed program.
// The lookup only reads it, so it makes no settings folder.
LookupPlaces InstalledLookupPlaces()
{
    SettingsLocationServices readOnly;
    readOnly.createFolder = nullptr;
    char path[kPathBufferSize];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    const std::size_t slash = folder.find_last_of("/\\");
    folder.resize(slash == std::string::npos ? 0 : slash);
    return LookupPlaces{SettingsFilePath(folder.empty() ? std::string(".") : folder, readOnly)};
}
