#include "BlockFileTest.h"
#include "core/fault_hooks.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

class StringListBlockForm : public BlockFileTest {};
class StringListBlockFind : public BlockFileTest {};
class StringListHostileBlock : public BlockFileTest {};

TEST_F(StringListBlockForm, OneItemGivesTheDocumentedBytes)
{
    TStringsStorage list;
    list.Add("winerror.h");
    const std::string expected = "TSSF\x01\x00\x00\x00"s + "\x01\x00\x00\x00"s + "\x1B\x00\x00\x00"s
                                 + "\x00\x00\x00\x00"s + "\x0A\x00\x00\x00"s + "\x0B\x00\x00\x00"s + "\x00\x00\x00\x00"s
                                 + "winerror.h\x00"s;
    EXPECT_EQ(Written(list), expected);
}

TEST_F(StringListBlockForm, EmptyListIsAHeaderWithBothFlags)
{
    TStringsStorage list;
    EXPECT_EQ(Written(list), "TSSF\x01\x00\x01\x01"s + std::string(8, '\0'));
}

TEST_F(StringListBlockForm, RoundTripKeepsTextsIndicesAndFlags)
{
    TStringsStorage list;
    for (const std::string& text : {"ERROR_"s, "\xE9t\xE9"s, std::string(300, 'x')})
        list.Add(text.c_str());
    TStringsStorage loaded;
    ASSERT_EQ(Read(Written(list), loaded), ERROR_SUCCESS);
    EXPECT_EQ(Texts(loaded), Texts(list));
    for (LONG i = 0; i < loaded.Count(); ++i) {
        EXPECT_EQ(loaded.ItemAt(i).index, static_cast<DWORD>(i));
        EXPECT_EQ(loaded.ItemAt(i).size, loaded.Length(i) + 1);
    }
    EXPECT_FALSE(loaded.SortedAscending());
    EXPECT_FALSE(loaded.SortedDescending());
}

TEST_F(StringListBlockForm, ReadsConsecutiveBlocksAndStopsAtEachEnd)
{
    const std::string bytes = SoundBlock({"a", "bc"}) + SoundBlock({}) + SoundBlock({"def"}, 5, 0) + "tail";
    WriteBytes(Name(), bytes);
    HANDLE file = Open(GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    TStringsStorage first, second, third;
    EXPECT_EQ(first.ReadBlock(file), ERROR_SUCCESS);
    EXPECT_EQ(second.ReadBlock(file), ERROR_SUCCESS);
    EXPECT_EQ(third.ReadBlock(file), ERROR_SUCCESS);
    char tail[5] = {};
    DWORD got = 0;
    EXPECT_TRUE(ReadFile(file, tail, 4, &got, nullptr));
    CloseHandle(file);
    EXPECT_EQ(Texts(first), (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(second.Count(), 0);
    EXPECT_TRUE(second.SortedAscending());
    EXPECT_EQ(Texts(third), (std::vector<std::string>{"def"}));
    EXPECT_TRUE(third.SortedAscending()) << "any nonzero flag byte counts as set";
    EXPECT_FALSE(third.SortedDescending());
    EXPECT_STREQ(tail, "tail");
}

TEST_F(StringListBlockForm, EveryFailedWriteIsReported)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    TStringsStorage list;
    list.Add("one");
    list.Add("two");
    for (int nth = 1; nth <= 5; ++nth) {
        HANDLE file = Open(GENERIC_WRITE, CREATE_ALWAYS);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        FileFaults::FailNth(FileOp::Write, nth, ERROR_DISK_FULL);
        EXPECT_EQ(list.WriteBlock(file), ERROR_DISK_FULL) << "write " << nth;
        FileFaults::Reset();
        CloseHandle(file);
    }
}

TEST_F(StringListBlockForm, InvalidHandlesAreRefused)
{
    TStringsStorage list;
    list.Add("keep");
    EXPECT_EQ(list.WriteBlock(INVALID_HANDLE_VALUE), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.WriteBlock(nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.ReadBlock(INVALID_HANDLE_VALUE), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.Count(), 0) << "a failed read leaves the list empty";
}

TEST_F(StringListBlockForm, NamedFileRoundTrip)
{
    TStringsStorage list;
    list.Add("ERROR_");
    list.Add("E_");
    ASSERT_EQ(list.SaveBlockToFile(Name().c_str()), ERROR_SUCCESS);
    TStringsStorage loaded;
    ASSERT_EQ(loaded.LoadBlockFromFile(Name().c_str()), ERROR_SUCCESS);
    EXPECT_EQ(Texts(loaded), Texts(list));
    EXPECT_EQ(loaded.LoadBlockFromFile(folder.File("missing.bin").c_str()), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(list.SaveBlockToFile(folder.File("no/such/folder.bin").c_str()), ERROR_SUCCESS);
}

std::vector<std::string> TwelveAscending()
{
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i)
        texts.push_back("item" + std::string(1, static_cast<char>('a' + i)));
    return texts;
}

// An item out of place is invisible to a binary search, which is how these
// tests tell it from the linear scan.
TEST_F(StringListBlockFind, AscendingFlagOnTwelveItemsUsesBinarySearch)
{
    std::vector<std::string> texts = TwelveAscending();
    std::swap(texts.front(), texts.back());
    TStringsStorage list;
    ASSERT_EQ(Read(SoundBlock(texts, 1, 0), list), ERROR_SUCCESS);
    EXPECT_EQ(list.Find("itemf"), 5);
    EXPECT_EQ(list.Find("iteml"), -1) << "out of place, so not found";
    EXPECT_EQ(list.Find("itemz"), -1);
}

TEST_F(StringListBlockFind, DescendingFlagSearchesADescendingList)
{
    std::vector<std::string> texts = TwelveAscending();
    std::reverse(texts.begin(), texts.end());
    TStringsStorage list;
    ASSERT_EQ(Read(SoundBlock(texts, 0, 1), list), ERROR_SUCCESS);
    for (LONG i = 0; i < 12; ++i)
        EXPECT_EQ(list.Find(texts[static_cast<std::size_t>(i)].c_str()), i);
    EXPECT_EQ(list.Find("item"), -1);
}

TEST_F(StringListBlockFind, FewerThanTenItemsAreScanned)
{
    std::vector<std::string> texts = TwelveAscending();
    texts.resize(9);
    std::swap(texts.front(), texts.back());
    TStringsStorage list;
    ASSERT_EQ(Read(SoundBlock(texts, 1, 0), list), ERROR_SUCCESS);
    EXPECT_EQ(list.Find("itemi"), 0);
}

TStringsStorage& KeptList(TStringsStorage& list)
{
    list.Add("keep");
    return list;
}

TEST_F(StringListHostileBlock, ForeignMagicLeavesTheListUntouched)
{
    TStringsStorage list;
    std::string bytes = SoundBlock({"a"});
    bytes[3] = 'X';
    EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_BAD_FORMAT);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"keep"}));
}

TEST_F(StringListHostileBlock, OtherVersionLeavesTheListUntouched)
{
    for (std::uint16_t version : {0, 2, 0x0100}) {
        TStringsStorage list;
        const std::string bytes = BlockHeader(1, 0, version) + BlockBody({{1, 2, 0, "a\0"s}});
        EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_REVISION_MISMATCH) << version;
        EXPECT_EQ(list.Count(), 1);
    }
}

TEST_F(StringListHostileBlock, EmptyTextIsCorrupt)
{
    TStringsStorage list;
    const std::string bytes = BlockHeader(1) + BlockBody({{0, 1, 0, "\0"s}}) + "padding";
    EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListHostileBlock, SizeOtherThanLengthPlusOneIsCorrupt)
{
    const std::vector<BlockEntry> entries = {
        {3, 3, 0, "abc"s},
        {3, 5, 0, "abc\0\0"s},
        {-1, 0, 0, ""s},
        {0x7FFFFFFF, static_cast<std::int32_t>(0x80000000u), 0, "abc\0"s},
    };
    for (const BlockEntry& entry : entries) {
        TStringsStorage list;
        const std::string bytes = BlockHeader(1) + BlockBody({entry}) + "padding";
        EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_FILE_CORRUPT) << entry.length;
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(StringListHostileBlock, TextWithoutItsZeroByteIsCorrupt)
{
    TStringsStorage list;
    EXPECT_EQ(Read(BlockHeader(1) + BlockBody({{3, 4, 0, "abcd"s}}), KeptList(list)), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListHostileBlock, ZeroByteInsideTheTextIsCorrupt)
{
    TStringsStorage list;
    const std::string bytes = BlockHeader(2) + BlockBody({{1, 2, 0, "a\0"s}, {3, 4, 1, "a\0c\0"s}});
    EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListHostileBlock, IndexOtherThanThePositionIsCorrupt)
{
    TStringsStorage list;
    const std::string bytes = BlockHeader(2) + BlockBody({{1, 2, 1, "a\0"s}, {1, 2, 0, "b\0"s}});
    EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

// With the first allocation armed to fail, a reader that allocated before
// checking the count would report ERROR_NOT_ENOUGH_MEMORY instead.
TEST_F(StringListHostileBlock, CountBeyondTheFileIsRefusedBeforeAllocating)
{
    for (std::uint32_t count : {2u, 0x00FFFFFFu, 0xFFFFFFFFu}) {
        TStringsStorage list;
        const std::string bytes = BlockHeader(count) + BlockBody({{1, 2, 0, "a\0"s}});
        KeptList(list);
        MemoryFaults::FailNth(1);
        EXPECT_EQ(Read(bytes, list), ERROR_FILE_CORRUPT) << count;
        MemoryFaults::Reset();
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(StringListHostileBlock, CountWhoseTableSizeWrapsIsCorrupt)
{
    // 16 x 0x10000001 is 16 in 32-bit arithmetic: exactly one entry follows.
    TStringsStorage list;
    const std::string bytes = BlockHeader(0x10000001u) + BlockBody({{1, 2, 0, "a\0"s}}) + std::string(64, 'x');
    EXPECT_EQ(Read(bytes, KeptList(list)), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListHostileBlock, TextsBeyondTheFileAreRefusedBeforeAllocatingThem)
{
    TStringsStorage list;
    const std::string bytes = BlockHeader(1) + BlockBody({{100000, 100001, 0, "abc\0"s}});
    KeptList(list);
    MemoryFaults::FailNth(2);
    EXPECT_EQ(Read(bytes, list), ERROR_FILE_CORRUPT);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListHostileBlock, EveryTruncationOfASoundBlockIsCorrupt)
{
    const std::string whole = SoundBlock({"ERROR_", "E_", "SPAPI_"});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        TStringsStorage list;
        EXPECT_EQ(Read(whole.substr(0, cut), KeptList(list)), ERROR_FILE_CORRUPT) << cut;
        EXPECT_EQ(list.Count(), 0) << cut;
    }
    TStringsStorage list;
    EXPECT_EQ(Read(whole, list), ERROR_SUCCESS);
    EXPECT_EQ(list.Count(), 3);
}

} // namespace
