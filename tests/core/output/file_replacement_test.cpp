#include "core/scratch_folder.h"
#include "core/fault_hooks.h"
#include "output/FileReplacement.h"
#include "output/SavedText.h"
#include "platform/file_faults.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

TEST(SavedTextFormat, EveryLineEndsWithCrLf)
{
    EXPECT_EQ(SavedTextBytes("one\ntwo"), "one\r\ntwo\r\n");
    EXPECT_EQ(SavedTextBytes("one\r\ntwo\r\n"), "one\r\ntwo\r\n");
    EXPECT_EQ(SavedTextBytes("one\rtwo"), "one\r\ntwo\r\n");
}

TEST(SavedTextFormat, NoExtraLineAfterAFinalLineBreak)
{
    EXPECT_EQ(SavedTextBytes("message\r\n"), "message\r\n");
    EXPECT_EQ(SavedTextBytes("message\n"), "message\r\n");
    EXPECT_EQ(SavedTextBytes("\n"), "\r\n");
    EXPECT_EQ(SavedTextBytes(""), "");
}

TEST(SavedTextFormat, EmptyLinesAndBytesStay)
{
    EXPECT_EQ(SavedTextBytes("a\n\n\nb"), "a\r\n\r\n\r\nb\r\n");
    EXPECT_EQ(SavedTextBytes("\n\r\n\r"), "\r\n\r\n\r\n");
    EXPECT_EQ(SavedTextBytes(std::string_view("\xE9t\xE9\0x", 5)), std::string("\xE9t\xE9\0x\r\n", 7));
}

class FileReplacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        FileFaults::Reset();
        folder = MakeScratchFolder("vantrel-save");
        ASSERT_FALSE(folder.empty());
        target = folder + "/notes";
    }
    void TearDown() override
    {
        FileFaults::Reset();
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder, ignored);
    }

    static void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string Read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    std::string target;
};

TEST_F(FileReplacement, WritesANewFileUnderTheExactName)
{
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), "a\r\nb\r\n"));
    EXPECT_EQ(Read(target), "a\r\nb\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"notes"});
}

TEST_F(FileReplacement, ReplacesAnExistingFileWhole)
{
    Write(target, std::string(100000, 'x'));
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), "short\r\n"));
    EXPECT_EQ(Read(target), "short\r\n");
}

TEST_F(FileReplacement, ReplacedFileKeepsItsAccessRights)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permission bits; Windows keeps access lists, which Wine does not enforce";
#endif
    namespace fs = std::filesystem;
    Write(target, "private");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), "still private\r\n"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(target), "still private\r\n");
}

TEST_F(FileReplacement, EmptyBytesGiveAnEmptyFile)
{
    Write(target, "old");
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), ""));
    EXPECT_EQ(Read(target), "");
}

TEST_F(FileReplacement, LargeTextIsWrittenWhole)
{
    std::string bytes;
    for (int i = 0; bytes.size() < 300000; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), bytes));
    EXPECT_EQ(Read(target), bytes);
}

TEST_F(FileReplacement, NeverOverwritesOtherFilesOfTheFolder)
{
    // What a fixed temporary name would have clobbered.
    Write(target + ".tmp", "keep me");
    Write(folder + "/.vantrel-save-1.tmp", "leftover");
#ifdef _WIN32
    const std::string running = std::to_string(GetCurrentProcessId());
#else
    const std::string running = "1";
#endif
    Write(folder + "/.vantrel-save-" + running + "-aaaaaa.tmp", "a running process's");
    ASSERT_TRUE(WriteFileReplacing(target.c_str(), "new\r\n"));
    EXPECT_EQ(Read(target + ".tmp"), "keep me");
    EXPECT_EQ(Read(folder + "/.vantrel-save-1.tmp"), "leftover");
    EXPECT_EQ(Read(folder + "/.vantrel-save-" + running + "-aaaaaa.tmp"), "a running process's");
    EXPECT_EQ(Read(target), "new\r\n");
}

TEST_F(FileReplacement, EachFailingStepKeepsTheOldFileAndLeavesNoTemporary)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    const struct {
        FileOp op;
        DWORD code;
    } steps[] = {{FileOp::Create, ERROR_ACCESS_DENIED},
                 {FileOp::Write, ERROR_DISK_FULL},
                 {FileOp::Flush, ERROR_WRITE_FAULT},
                 {FileOp::Rename, ERROR_SHARING_VIOLATION}};
    Write(target, "old\r\n");
    for (const auto& step : steps) {
        SCOPED_TRACE(static_cast<int>(step.op));
        FileFaults::Reset();
        FileFaults::FailNth(step.op, 1, step.code);
        EXPECT_FALSE(WriteFileReplacing(target.c_str(), "new\r\n"));
        EXPECT_EQ(GetLastError(), step.code);
        EXPECT_EQ(Read(target), "old\r\n");
        EXPECT_EQ(Entries(), std::vector<std::string>{"notes"});
    }
}

TEST_F(FileReplacement, FailedFirstSaveLeavesNoFileAtAll)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    FileFaults::FailNth(FileOp::Write, 1, ERROR_DISK_FULL);
    EXPECT_FALSE(WriteFileReplacing(target.c_str(), "new\r\n"));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    EXPECT_TRUE(Entries().empty());
}

TEST_F(FileReplacement, EveryChunkFailingOrStoppingPartWay)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    Write(target, "old\r\n");
    for (const bool partly : {false, true}) {
        for (int nth = 1; nth <= 4; ++nth) {
            SCOPED_TRACE(std::to_string(nth) + (partly ? " part written" : " nothing written"));
            FileFaults::Reset();
            if (partly)
                FileFaults::WriteNthPartly(nth, ERROR_DISK_FULL);
            else
                FileFaults::FailNth(FileOp::Write, nth, ERROR_DISK_FULL);
            EXPECT_FALSE(WriteFileReplacing(target.c_str(), std::string(200000, 'y')));
            EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
            EXPECT_EQ(Read(target), "old\r\n");
            EXPECT_EQ(Entries(), std::vector<std::string>{"notes"});
        }
    }
}

TEST_F(FileReplacement, RenameFailingAfterTheTemporaryIsComplete)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    Write(target, "old\r\n");
    FileFaults::FailNth(FileOp::Rename, 1, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(WriteFileReplacing(target.c_str(), std::string(200000, 'y')));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(FileFaults::Calls(FileOp::Write), 4);
    EXPECT_EQ(FileFaults::Calls(FileOp::Flush), 1);
    EXPECT_EQ(Read(target), "old\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"notes"});
}

TEST_F(FileReplacement, MissingFolderIsReported)
{
    const std::string name = folder + "/missing/notes";
    SetLastError(0);
    EXPECT_FALSE(WriteFileReplacing(name.c_str(), "x"));
    EXPECT_NE(GetLastError(), 0u);
}

TEST_F(FileReplacement, FolderUnderTheNameIsNotReplaced)
{
    std::filesystem::create_directory(target);
    EXPECT_FALSE(WriteFileReplacing(target.c_str(), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(Entries(), std::vector<std::string>{"notes"});
}

TEST_F(FileReplacement, EmptyOrAbsentNameIsRefused)
{
    EXPECT_FALSE(WriteFileReplacing("", "x"));
    EXPECT_FALSE(WriteFileReplacing(nullptr, "x"));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(FileReplacement, NameWithoutAFolderGoesToTheCurrentFolder)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const bool written = WriteFileReplacing("plain", "x\r\n");
    std::filesystem::current_path(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(Read(folder + "/plain"), "x\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"plain"});
}

} // namespace
