#include "settings/SettingsLocation.h"

#include "platform/win32.h"

namespace {

constexpr const char* SettingsFileTitle = "/vantrel.dat";
constexpr const char* UserSettingsFolder = "/vantrel";
// Installed beside bin/ by the install rules; a copy of the program without
// it is not an installed one.
constexpr const char* InstalledDesktopEntry = "/../share/applications/io.github.vantrel.Vantrel.desktop";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string SettingsFilePath(const std::string& executableFolder, const SettingsLocationServices& services)
{
    const std::string besideExecutable = executableFolder + SettingsFileTitle;
    const bool installed = Exists(executableFolder + InstalledDesktopEntry);
    if (!installed && (Exists(besideExecutable) || services.folderIsWritable(executableFolder)))
        return besideExecutable;

    const std::string configFolder = UserConfigFolder(services.environment);
    if (configFolder.empty())
        return besideExecutable;
    const std::string folder = configFolder + UserSettingsFolder;
    if (services.createFolder)
        services.createFolder(folder);
    return folder + SettingsFileTitle;
}
