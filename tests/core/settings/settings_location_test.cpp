// Where vantrel.dat lives: beside a program in a folder of its own, in the
// user's settings folder for an installed program or a read-only folder.
#include "settings_support.h"

#include "platform/user_folders.h"
#include "settings/SettingsLocation.h"

#include <filesystem>
#include <map>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsLocation : public SettingsFolder {
protected:
    // Only HOME and XDG_CONFIG_HOME, as set by the test.
    std::map<std::string, std::string> environment;
    bool folderWritable = true;

    std::string Locate(const std::string& executableFolder)
    {
        SettingsLocationServices services;
        services.folderIsWritable = [this](const std::string&) { return folderWritable; };
        services.environment = [this](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        };
        return SettingsFilePath(executableFolder, services);
    }

    std::string Home() const { return folder + "/home"; }
    std::string HomeSettings() const { return Home() + "/.config/vantrel/vantrel.dat"; }
};

TEST_F(SettingsLocation, WritableFolderKeepsTheFileBesideTheExecutable)
{
    environment["HOME"] = Home();
    EXPECT_EQ(Locate(folder), path);
    EXPECT_FALSE(fs::exists(Home()));
}

TEST_F(SettingsLocation, ExistingFileBesideAReadOnlyProgramIsKept)
{
    WriteBytes(path, ExpectedDefaultFile());
    folderWritable = false;
    environment["HOME"] = Home();
    EXPECT_EQ(Locate(folder), path);
    EXPECT_FALSE(fs::exists(Home()));
}

TEST_F(SettingsLocation, ReadOnlyFolderUsesXdgConfigHomeAndMakesItPrivate)
{
    folderWritable = false;
    environment["HOME"] = Home();
    environment["XDG_CONFIG_HOME"] = folder + "/config/deeper";
    EXPECT_EQ(Locate(folder), folder + "/config/deeper/vantrel/vantrel.dat");
    struct stat info {};
    ASSERT_EQ(::stat((folder + "/config/deeper/vantrel").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SettingsLocation, XdgConfigHomeUnsetEmptyOrRelativeMeansDotConfig)
{
    folderWritable = false;
    environment["HOME"] = Home();
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/config", "./config", "~/.config"}) {
        SCOPED_TRACE(value == nullptr ? "unset" : value);
        environment.erase("XDG_CONFIG_HOME");
        if (value != nullptr)
            environment["XDG_CONFIG_HOME"] = value;
        EXPECT_EQ(Locate(folder), HomeSettings());
        EXPECT_TRUE(fs::is_directory(Home() + "/.config/vantrel"));
    }
}

TEST_F(SettingsLocation, TrailingSlashesAreNotDoubled)
{
    folderWritable = false;
    environment["HOME"] = Home() + "//";
    EXPECT_EQ(Locate(folder), HomeSettings());
    environment["XDG_CONFIG_HOME"] = folder + "/config/";
    EXPECT_EQ(Locate(folder), folder + "/config/vantrel/vantrel.dat");
}

TEST_F(SettingsLocation, InstalledProgramNeverKeepsItBesideItsExecutable)
{
    const std::string bin = folder + "/usr/bin";
    fs::create_directories(bin);
    fs::create_directories(folder + "/usr/share/applications");
    WriteBytes(folder + "/usr/share/applications/io.github.vantrel.Vantrel.desktop", {});
    WriteBytes(bin + "/vantrel.dat", ExpectedDefaultFile());
    environment["HOME"] = Home();
    EXPECT_EQ(Locate(bin), HomeSettings());
}

TEST_F(SettingsLocation, FolderThatCannotBeMadeStillNamesTheFileAndTheSaveSaysWhy)
{
    WriteBytes(folder + "/occupied", {});
    folderWritable = false;
    environment["XDG_CONFIG_HOME"] = folder + "/occupied";
    const std::string fileName = Locate(folder);
    EXPECT_EQ(fileName, folder + "/occupied/vantrel/vantrel.dat");

    TSettings settings(fileName.c_str());
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(settings.Save(fileName.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

// The superuser may write anywhere, so as root the check runs in a child
// that has become the unprivileged user "nobody".
bool WritableForAnOrdinaryUser(const std::string& folder)
{
    if (::geteuid() != 0)
        return FolderIsWritable(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setresgid(Nobody, Nobody, Nobody) == 0
                             && ::setresuid(Nobody, Nobody, Nobody) == 0;
        ::_exit(!dropped ? 2 : FolderIsWritable(folder) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become nobody";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST_F(SettingsLocation, ReadOnlyFolderIsNotWritable)
{
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    EXPECT_FALSE(WritableForAnOrdinaryUser(folder));
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    EXPECT_TRUE(WritableForAnOrdinaryUser(folder));
}

} // namespace
