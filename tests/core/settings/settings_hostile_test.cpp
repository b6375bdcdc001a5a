// Settings files made to hurt the loader: absurd counts, broken items, and
// paths that are no regular file. Each must be refused quickly, without a
// large allocation, and without touching the record it was loaded into.
#include "settings_support.h"

#include "settings/SettingsFile.h"

#include <sys/stat.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <unistd.h>

namespace {

// Offsets in the default file (see ExpectedDefaultFile).
constexpr std::size_t kHeaderCount = 96;
constexpr std::size_t kHeaderLength = 108;
constexpr std::size_t kHeaderSize = 112;
constexpr std::size_t kHeaderTextEnd = 130;
// In a file whose two lists are empty, the prefix block starts at 104.
constexpr std::size_t kEmptyFilePrefixCount = 112;

void Put32(Bytes& bytes, std::size_t at, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<BYTE>(value >> (8 * i));
}

class SettingsHostileFile : public SettingsFolder {
protected:
    // Loads path into a customised record: it must be refused with code and
    // leave that record exactly as it was; a fresh record gets the defaults.
    void ExpectRefused(DWORD code, const std::string& what)
    {
        TSettings target(nullptr);
        Customise(target);
        const Snapshot before = Take(target);
        EXPECT_FALSE(SettingsFile::Load(target, path.c_str())) << what;
        EXPECT_EQ(GetLastError(), code) << what;
        EXPECT_EQ(Take(target), before) << what;
        EXPECT_EQ(Take(TSettings(path.c_str())), DefaultSnapshot()) << what;
    }

    Bytes EmptyListsFile()
    {
        TSettings empty(nullptr);
        empty.ErrorsOptions.RemoveHeader(0);
        while (empty.ErrorsOptions.Prefixes.Count() > 0)
            empty.ErrorsOptions.RemovePrefix(0);
        EXPECT_TRUE(empty.Save(path.c_str()));
        return ReadBytes(path);
    }
};

// The first allocation is armed to fail: a loader that trusted the count and
// allocated its table would report ERROR_NOT_ENOUGH_MEMORY instead.
TEST_F(SettingsHostileFile, CountsOfTwoToThe31ItemsAreRefusedBeforeAllocating)
{
    for (DWORD count : {0x80000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        Bytes headers = ExpectedDefaultFile();
        Put32(headers, kHeaderCount, count);
        WriteBytes(path, headers);
        TSettings probe(nullptr);
        MemoryFaults::FailNth(1);
        EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
        EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT) << "header count " << count;
        MemoryFaults::Reset();
        ExpectRefused(ERROR_FILE_CORRUPT, "header count " + std::to_string(count));

        Bytes prefixes = EmptyListsFile();
        Put32(prefixes, kEmptyFilePrefixCount, count);
        WriteBytes(path, prefixes);
        MemoryFaults::FailNth(1);
        EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
        EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT) << "prefix count " << count;
        MemoryFaults::Reset();
        ExpectRefused(ERROR_FILE_CORRUPT, "prefix count " + std::to_string(count));
    }
}

// A headers block claiming hundreds of millions of items, at the start of an
// 8 GiB file that is almost all hole: the claim is refused, by the payload
// size or by the first chunk of empty entries, without asking for memory in
// proportion to it.
TEST_F(SettingsHostileFile, HugeCountInAHugeSparseFileIsRefusedWithoutAHugeAllocation)
{
    const struct {
        DWORD count;
        DWORD payload;
    } cases[] = {{0x0FFFFFFF, 0xFFFFFFF0}, {0x0E000000, 0xFFFFFFF0}};
    const Bytes valid = ExpectedDefaultFile();
    for (const auto& c : cases) {
        Bytes file(valid.begin(), valid.begin() + 104);
        Put32(file, kHeaderCount, c.count);
        Put32(file, kHeaderCount + 4, c.payload);
        WriteBytes(path, file);
        ASSERT_EQ(::truncate(path.c_str(), off_t{8} << 30), 0);
        MemoryFaults::Reset();
        TSettings target(nullptr);
        EXPECT_FALSE(SettingsFile::Load(target, path.c_str())) << c.count;
        EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT) << c.count;
        EXPECT_LT(MemoryFaults::LargestRequest(), std::size_t{1} << 20) << c.count;
    }
    MemoryFaults::Reset();
}

TEST_F(SettingsHostileFile, ItemSizeOfZeroIsRefused)
{
    Bytes sizeZero = ExpectedDefaultFile();
    Put32(sizeZero, kHeaderSize, 0);
    WriteBytes(path, sizeZero);
    ExpectRefused(ERROR_FILE_CORRUPT, "size 0 under length 10");

    Bytes bothZero = ExpectedDefaultFile();
    Put32(bothZero, kHeaderLength, 0);
    Put32(bothZero, kHeaderSize, 0);
    WriteBytes(path, bothZero);
    ExpectRefused(ERROR_FILE_CORRUPT, "length and size 0");
}

// Table first, then the text: with the second allocation armed to fail, a
// loader that believed the size would report ERROR_NOT_ENOUGH_MEMORY.
TEST_F(SettingsHostileFile, ItemSizeOfTwoGigabytesIsRefusedBeforeAllocating)
{
    Bytes huge = ExpectedDefaultFile();
    Put32(huge, kHeaderLength, 0x7FFFFFFE);
    Put32(huge, kHeaderSize, 0x7FFFFFFF);
    WriteBytes(path, huge);
    TSettings probe(nullptr);
    MemoryFaults::FailNth(2);
    EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT);
    MemoryFaults::Reset();
    ExpectRefused(ERROR_FILE_CORRUPT, "size 0x7FFFFFFF");

    Put32(huge, kHeaderLength, 0x7FFFFFFF);
    Put32(huge, kHeaderSize, 0x80000000u);
    WriteBytes(path, huge);
    ExpectRefused(ERROR_FILE_CORRUPT, "size that wraps to negative");
}

TEST_F(SettingsHostileFile, ItemWithoutItsZeroByteIsRefused)
{
    Bytes unterminated = ExpectedDefaultFile();
    unterminated[kHeaderTextEnd] = 'x';
    WriteBytes(path, unterminated);
    ExpectRefused(ERROR_FILE_CORRUPT, "no zero byte");
}

TEST_F(SettingsHostileFile, FolderInPlaceOfTheFileIsRefused)
{
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ExpectRefused(ERROR_ACCESS_DENIED, "folder");
}

// If the open blocked waiting for a writer, the guard plays that writer after
// a while, so the test fails instead of hanging.
TEST_F(SettingsHostileFile, FifoInPlaceOfTheFileIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto load = std::async(std::launch::async, [this] {
        TSettings target(nullptr);
        const bool loaded = SettingsFile::Load(target, path.c_str());
        return std::make_pair(loaded, GetLastError());
    });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "loading a FIFO waits for a writer";
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
    }
    const auto [loaded, code] = load.get();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(code, ERROR_ACCESS_DENIED);
}

} // namespace
