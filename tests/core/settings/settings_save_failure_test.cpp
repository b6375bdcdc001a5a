#include "settings_support.h"
#include "core/fault_hooks.h"

#include <filesystem>
#include <fstream>

namespace {

// An older settings file is in place; every failed save must leave it
// byte-identical and no temporary file beside it.
class SettingsSaveFailure : public SettingsFolder {
protected:
    void SetUp() override
    {
        SettingsFolder::SetUp();
        SKIP_WITHOUT_FAULT_HOOKS();
        TSettings older(nullptr);
        Customise(older);
        ASSERT_TRUE(older.Save(path.c_str()));
        olderBytes = ReadBytes(path);
    }

    void ExpectOlderFileKept(DWORD code)
    {
        EXPECT_EQ(GetLastError(), code);
        EXPECT_EQ(ReadBytes(path), olderBytes);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    }

    TSettings settings{nullptr};
    Bytes olderBytes;
};

TEST_F(SettingsSaveFailure, FileThatCannotBeCreated)
{
    FileFaults::FailNth(FileOp::Create, 1, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(settings.Save(path.c_str()));
    ExpectOlderFileKept(ERROR_ACCESS_DENIED);
}

TEST_F(SettingsSaveFailure, FolderThatRefusesNewFiles)
{
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (std::ofstream(folder + "/probe").is_open())
        GTEST_SKIP() << "this user may write into read-only folders";
    EXPECT_FALSE(settings.Save(path.c_str()));
    ExpectOlderFileKept(ERROR_ACCESS_DENIED);
}

// A write that fails outright, and one that stops part way through its
// bytes, as a disk does that fills up in the middle of a write.
TEST_F(SettingsSaveFailure, EveryWriteFailingInTurn)
{
    for (const bool partly : {false, true}) {
        SCOPED_TRACE(partly ? "part written" : "nothing written");
        int nth = 1;
        for (;; ++nth) {
            ASSERT_LT(nth, 1000) << "the save never succeeded";
            FileFaults::Reset();
            if (partly)
                FileFaults::WriteNthPartly(nth, ERROR_DISK_FULL);
            else
                FileFaults::FailNth(FileOp::Write, nth, ERROR_DISK_FULL);
            if (settings.Save(path.c_str()))
                break;
            SCOPED_TRACE(nth);
            ExpectOlderFileKept(ERROR_DISK_FULL);
        }
        EXPECT_GT(nth, 7) << "header, options, two blocks, their flags and the copy options are all writes";
        EXPECT_EQ(ReadBytes(path), ExpectedDefaultFile());
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
        WriteBytes(path, olderBytes);
    }
}

TEST_F(SettingsSaveFailure, FlushFailing)
{
    FileFaults::FailNth(FileOp::Flush, 1, ERROR_DISK_FULL);
    EXPECT_FALSE(settings.Save(path.c_str()));
    ExpectOlderFileKept(ERROR_DISK_FULL);
}

// The temporary file is complete and flushed when the rename fails.
TEST_F(SettingsSaveFailure, RenameFailing)
{
    FileFaults::Reset();
    FileFaults::FailNth(FileOp::Rename, 1, ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(settings.Save(path.c_str()));
    EXPECT_EQ(FileFaults::Calls(FileOp::Flush), 1);
    ExpectOlderFileKept(ERROR_SHARING_VIOLATION);
}

TEST_F(SettingsSaveFailure, NoOlderFileLeavesNoFile)
{
    std::filesystem::remove(path);
    FileFaults::FailNth(FileOp::Write, 3, ERROR_DISK_FULL);
    EXPECT_FALSE(settings.Save(path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    EXPECT_TRUE(FolderEntries().empty());
}

} // namespace
