#include "TempFolder.h"
#include "core/fault_hooks.h"

#include "platform/file_faults.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StringListTextFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.Made());
        for (const char* text : {"alpha", "beta", "gamma"})
            list.Add(text);
    }
    void TearDown() override { FileFaults::Reset(); }

    std::string Saved(WORD separator)
    {
        EXPECT_EQ(list.SaveToTextFile(name.c_str(), separator), ERROR_SUCCESS);
        return ReadBytes(name);
    }

    std::vector<std::string> Loaded(const std::string& bytes)
    {
        WriteBytes(name, bytes);
        TStringsStorage loaded;
        EXPECT_EQ(loaded.LoadFromTextFile(name.c_str()), ERROR_SUCCESS);
        std::vector<std::string> texts;
        loaded.CopyTo(texts);
        return texts;
    }

    TempFolder folder;
    std::string name = folder.File("list.txt");
    TStringsStorage list;
};

TEST_F(StringListTextFile, CarriageReturnLineFeedSeparatesWithoutATrailingOne)
{
    EXPECT_EQ(Saved(0x0A0D), "alpha\r\nbeta\r\ngamma");
    EXPECT_EQ(Loaded(ReadBytes(name)), (std::vector<std::string>{"alpha", "beta", "gamma"}));
}

TEST_F(StringListTextFile, NoSeparatorRunsTheItemsTogether)
{
    EXPECT_EQ(Saved(0), "alphabetagamma");
}

TEST_F(StringListTextFile, OneByteSeparator)
{
    EXPECT_EQ(Saved(';'), "alpha;beta;gamma");
    EXPECT_EQ(Loaded(ReadBytes(name)), (std::vector<std::string>{"alpha;beta;gamma"}));
}

TEST_F(StringListTextFile, EmptyListGivesAnEmptyFile)
{
    WriteBytes(name, "older content");
    list.Clear();
    EXPECT_EQ(Saved(0x0A0D), "");
}

TEST_F(StringListTextFile, LoadDropsUpToTwoLineEndCharactersAndSkipsEmptyLines)
{
    // Read in text mode, as on Windows: CR LF is one LF, so "c\r\r\n" is
    // "c\r\n", and Ctrl+Z ends the text.
    EXPECT_EQ(Loaded("a\nb\r\n\r\n\nc\r\r\nd\re\rf"), (std::vector<std::string>{"a", "b", "c", "d\re\rf"}));
    EXPECT_EQ(Loaded("x\r\ny\x1Az\r\n"), (std::vector<std::string>{"x", "y"}));
}

TEST_F(StringListTextFile, LongLineContinuesAsTheNextItem)
{
    const std::string longLine(300, 'x');
    EXPECT_EQ(Loaded(longLine + "\r\nlast"),
              (std::vector<std::string>{std::string(265, 'x'), std::string(35, 'x'), "last"}));
}

TEST_F(StringListTextFile, BadNamesAndMissingFilesAreReported)
{
    EXPECT_EQ(list.SaveToTextFile(nullptr, 0x0A0D), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.SaveToTextFile("", 0x0A0D), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.LoadFromTextFile(nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.LoadFromTextFile(""), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.LoadFromTextFile(folder.File("missing.txt").c_str()), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(list.Count(), 3) << "a file that cannot be opened leaves the list alone";
    EXPECT_EQ(list.LoadFromTextFile(folder.File("").c_str()), ERROR_ACCESS_DENIED) << "a folder is no text file";
    EXPECT_EQ(list.Count(), 3) << "and cannot be opened as one";
}

TEST_F(StringListTextFile, FailedWriteOrFlushIsReported)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    for (int nth = 1; nth <= 5; ++nth) {
        FileFaults::FailNth(FileOp::Write, nth, ERROR_DISK_FULL);
        EXPECT_EQ(list.SaveToTextFile(name.c_str(), 0x0A0D), ERROR_DISK_FULL) << nth;
        FileFaults::Reset();
    }
    FileFaults::FailNth(FileOp::Flush, 1, ERROR_WRITE_FAULT);
    EXPECT_EQ(list.SaveToTextFile(name.c_str(), 0x0A0D), ERROR_WRITE_FAULT);
}

} // namespace
