#include "BlockFileTest.h"
#include "core/fault_hooks.h"

#include <string>
#include <vector>

namespace {

class StringListOutOfMemory : public BlockFileTest {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_FAULT_HOOKS();
        BlockFileTest::SetUp();
    }
    static void Fill(TStringsStorage& list)
    {
        for (const char* text : {"ERROR_", "E_", "RPC_"})
            list.Add(text);
    }
    const std::vector<std::string> filled{"ERROR_", "E_", "RPC_"};
};

TEST_F(StringListOutOfMemory, FailedAddChangesNothing)
{
    for (int nth : {1, 2}) {
        TStringsStorage list;
        Fill(list);
        MemoryFaults::FailNth(nth);
        EXPECT_EQ(list.Add("WSA"), ERROR_NOT_ENOUGH_MEMORY) << nth;
        MemoryFaults::Reset();
        EXPECT_EQ(Texts(list), filled);
        EXPECT_EQ(list.Add("WSA"), ERROR_SUCCESS);
        EXPECT_EQ(list.ItemAt(3).index, 3u);
    }
}

TEST_F(StringListOutOfMemory, FailedFirstAddLeavesAnEmptyList)
{
    TStringsStorage list;
    MemoryFaults::FailNth(2);
    EXPECT_EQ(list.Add("only"), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.SortedAscending());
    EXPECT_EQ(list.Add("only"), ERROR_SUCCESS);
}

TEST_F(StringListOutOfMemory, DeleteSucceedsWhenTheArrayCannotShrink)
{
    TStringsStorage list;
    Fill(list);
    MemoryFaults::FailNth(1);
    EXPECT_EQ(list.Delete(0), ERROR_SUCCESS);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"E_", "RPC_"}));
    EXPECT_EQ(list.ItemAt(1).index, 1u);
}

TEST_F(StringListOutOfMemory, FailedSetTextKeepsTheItem)
{
    TStringsStorage list;
    Fill(list);
    MemoryFaults::FailNth(1);
    EXPECT_EQ(list.SetText(1, "a longer text"), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(Texts(list), filled);
}

TEST_F(StringListOutOfMemory, FailedAssignLeavesAnEmptyList)
{
    TStringsStorage source;
    Fill(source);
    for (int nth = 1; nth <= 4; ++nth) {
        TStringsStorage copy;
        copy.Add("old");
        MemoryFaults::FailNth(nth);
        EXPECT_EQ(copy.Assign(source), ERROR_NOT_ENOUGH_MEMORY) << nth;
        MemoryFaults::Reset();
        EXPECT_EQ(copy.Count(), 0) << nth;
        EXPECT_TRUE(copy.SortedAscending());
    }
}

TEST_F(StringListOutOfMemory, FailedBlockReadLeavesAnEmptyList)
{
    const std::string block = SoundBlock({"ERROR_", "E_", "RPC_"});
    for (int nth = 1; nth <= 4; ++nth) {
        TStringsStorage list;
        list.Add("old");
        MemoryFaults::FailNth(nth);
        EXPECT_EQ(Read(block, list), ERROR_NOT_ENOUGH_MEMORY) << nth;
        MemoryFaults::Reset();
        EXPECT_EQ(list.Count(), 0) << nth;
    }
    TStringsStorage list;
    MemoryFaults::FailNth(5);
    EXPECT_EQ(Read(block, list), ERROR_SUCCESS) << "the item array and the three texts";
}

TEST_F(StringListOutOfMemory, FailedTextLoadLeavesAnEmptyList)
{
    const std::string name = folder.File("lines.txt");
    WriteBytes(name, "one\r\ntwo\r\nthree\r\n");
    TStringsStorage list;
    list.Add("old");
    MemoryFaults::FailNth(3);
    EXPECT_EQ(list.LoadFromTextFile(name.c_str()), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StringListOutOfMemory, CompareItemWithoutAPrefixCopyIsRefused)
{
    TStringsStorage list;
    Fill(list);
    MemoryFaults::FailNth(1);
    EXPECT_EQ(list.CompareItem(0, "ERROR_FILE_NOT_FOUND", 6, lstrcmpiA), static_cast<LONG>(ERROR_INVALID_PARAMETER));
}

} // namespace
