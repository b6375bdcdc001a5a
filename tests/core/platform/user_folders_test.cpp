// Making the settings folder and asking whether a folder takes new files,
// as both platform layers answer them.
#include "core/scratch_folder.h"

#include "platform/user_folders.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct ScratchFolder {
    std::string path = MakeScratchFolder("vantrel-folders");
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

TEST(CreateFolderPath, MakesEveryMissingFolderAndAcceptsExistingOnes)
{
    ScratchFolder scratch;
    ASSERT_FALSE(scratch.path.empty());
    const std::string nested = scratch.path + "/a/b/c";
    ASSERT_TRUE(CreateFolderPath(nested));
    EXPECT_TRUE(std::filesystem::is_directory(nested));
    EXPECT_TRUE(CreateFolderPath(nested)) << "a folder that exists already";
    EXPECT_TRUE(CreateFolderPath(scratch.path + "/a/d")) << "beside an existing one";
    EXPECT_TRUE(FolderIsWritable(nested));
    EXPECT_TRUE(std::filesystem::is_empty(nested)) << "asking leaves nothing behind";
}

TEST(CreateFolderPath, RefusesAFileInTheWayAndNoName)
{
    ScratchFolder scratch;
    ASSERT_FALSE(scratch.path.empty());
    std::ofstream(scratch.path + "/file") << "x";
    SetLastError(0);
    EXPECT_FALSE(CreateFolderPath(scratch.path + "/file"));
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_FALSE(CreateFolderPath(scratch.path + "/file/below"));
    EXPECT_FALSE(CreateFolderPath(""));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(FolderIsWritable(scratch.path + "/file")) << "a file is no folder";
    EXPECT_FALSE(FolderIsWritable(scratch.path + "/missing"));
}

} // namespace
