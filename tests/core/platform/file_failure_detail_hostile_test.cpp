// What a refused file's message adds to the system's code, for each thing
// that can stand where a file is expected. "@" stands for the test's folder.
#include "core/scratch_folder.h"

#include "platform/file_failure_detail.h"
#include "platform/user_folders.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const struct Case {
    const char* path;
    DWORD code;
    FileUse use;
    const char* detail;
} Cases[] = {
    {"@/dir", ERROR_ACCESS_DENIED, FileUse::Replace, "@/dir is a folder."},
    {"@/fifo", ERROR_ACCESS_DENIED, FileUse::Read, "@/fifo is not a regular file."},
    {"/dev/zero", ERROR_ACCESS_DENIED, FileUse::Read, "/dev/zero is not a regular file."},
    {"@/protected", ERROR_ACCESS_DENIED, FileUse::Replace, "@/protected is write-protected."},
    {"@/protected", ERROR_ACCESS_DENIED, FileUse::Read, ""},
    {"@/to-dir", ERROR_ACCESS_DENIED, FileUse::Replace, "@/to-dir is a link to @/dir. @/dir is a folder."},
    {"@/to-closed", ERROR_ACCESS_DENIED, FileUse::Replace,
     "@/to-closed is a link to @/closed/target. The folder @/closed takes no new files."},
    {"@/missing/vantrel/vantrel.dat", ERROR_PATH_NOT_FOUND, FileUse::Replace,
     "The folder @/missing/vantrel does not exist and could not be made."},
    {"@/missing/winerror.h", ERROR_PATH_NOT_FOUND, FileUse::Read, "There is no folder @/missing."},
    {"@/protected/vantrel/vantrel.dat", ERROR_PATH_NOT_FOUND, FileUse::Replace, "@/protected is not a folder."},
    {"@/dir", ERROR_DISK_FULL, FileUse::Replace, ""},
};

std::string Placed(const char* text, const std::string& folder)
{
    return std::regex_replace(text, std::regex("@"), folder);
}

TEST(FileFailureDetail, NamesWhatStandsInTheWay)
{
    const std::string folder = MakeScratchFolder("vantrel-detail");
    ASSERT_FALSE(folder.empty());
    fs::create_directory(folder + "/dir");
    ASSERT_EQ(::mkfifo((folder + "/fifo").c_str(), 0600), 0);
    std::ofstream(folder + "/protected") << "kept";
    fs::permissions(folder + "/protected", fs::perms::owner_read);
    fs::create_symlink("dir", folder + "/to-dir");
    fs::create_directory(folder + "/closed");
    std::ofstream(folder + "/closed/target") << "kept";
    fs::permissions(folder + "/closed", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_symlink("closed/target", folder + "/to-closed");
    // Root may write into any folder, so the closed one is no case for it.
    const bool closedBinds = !FolderIsWritable(folder + "/closed");

    for (const Case& c : Cases) {
        const std::string path = Placed(c.path, folder);
        if (!closedBinds && path.find("closed") != std::string::npos)
            continue;
        EXPECT_EQ(FileFailureDetail(path, c.code, c.use), Placed(c.detail, folder)) << c.path;
    }
    fs::permissions(folder + "/closed", fs::perms::owner_all);
    fs::remove_all(folder);
}

} // namespace
