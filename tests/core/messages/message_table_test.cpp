#include "pe_fixture.h"

#include "platform/message_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::optional<MessageTable> Parse(const std::vector<std::uint8_t>& resource)
{
    return MessageTable::Parse(ByteView(resource));
}

TEST(MessageTableEntries, AnsiAndUnicodeEntriesReadAlike)
{
    const auto table = Parse(BuildMessageResource({{1, u"Caf\u00E9 \x80\x81.\n", false}, {2, u"Caf\u00E9 \u20AC.\n"}}));
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->Find(1), u"Caf\u00E9 \u20AC\u0081.\n") << "ANSI entries are Windows-1252";
    EXPECT_EQ(*table->Find(2), u"Caf\u00E9 \u20AC.\n");
}

TEST(MessageTableEntries, TextEndsAtItsFirstZero)
{
    const auto table = Parse(BuildMessageResource({{1, std::u16string(u"kept\0dropped", 12)}}));
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->Find(1), u"kept");
}

TEST(MessageTableBlocks, GapsBetweenBlocksHaveNoMessage)
{
    const auto table =
        Parse(BuildMessageResource({{0, u"zero\n"}, {1, u"one\n"}, {10, u"ten\n"}, {0x80070020, u"hr\n"}}));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Size(), 4u);
    EXPECT_EQ(*table->Find(1), u"one\n");
    EXPECT_EQ(*table->Find(10), u"ten\n");
    EXPECT_EQ(*table->Find(0x80070020), u"hr\n");
    EXPECT_EQ(table->Find(2), nullptr);
    EXPECT_EQ(table->Find(11), nullptr);
}

TEST(MessageTableBlocks, FirstBlockHoldingAnIdentifierWins)
{
    const auto table = Parse(BuildMessageResource({{5, u"first\n"}, {9, u"x\n"}, {5, u"second\n"}}));
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->Find(5), u"first\n");
}

TEST(MessageTableDamage, BlockOffsetOutsideTheDataGivesNoTable)
{
    auto resource = BuildMessageResource({{1, u"one\n"}, {3, u"three\n"}});
    for (const std::uint32_t offset :
         {std::uint32_t(resource.size()), std::uint32_t(resource.size() - 2), 0xFFFFFFFCu, 0x7FFFFFFFu}) {
        auto damaged = resource;
        Patch32(damaged, 4 + 12 + 8, offset);
        EXPECT_FALSE(Parse(damaged)) << "offset " << offset;
    }
}

TEST(MessageTableDamage, BlockCountBeyondTheDataGivesNoTable)
{
    auto resource = BuildMessageResource({{1, u"one\n"}});
    Patch32(resource, 0, 0xFFFFFFFFu);
    EXPECT_FALSE(Parse(resource));
}

TEST(MessageTableDamage, HugeIdentifierRangeStopsAtTheDataEnd)
{
    auto resource = BuildMessageResource({{0, u"zero\n"}});
    Patch32(resource, 8, 0xFFFFFFFFu); // HighId: four billion entries claimed
    EXPECT_FALSE(Parse(resource));
}

TEST(MessageTableDamage, MalformedEntriesGiveNoTable)
{
    const auto resource = BuildMessageResource({{1, u"one\n"}});
    const std::size_t entry = 16;
    auto zeroLength = resource;
    zeroLength[entry] = zeroLength[entry + 1] = 0;
    EXPECT_FALSE(Parse(zeroLength)) << "an entry of length 0 would never advance";
    auto shortLength = resource;
    shortLength[entry] = 3;
    shortLength[entry + 1] = 0;
    EXPECT_FALSE(Parse(shortLength));
    auto unknownFlags = resource;
    unknownFlags[entry + 2] = 2;
    EXPECT_FALSE(Parse(unknownFlags));
    auto reversed = resource;
    Patch32(reversed, 4, 2); // LowId above HighId
    EXPECT_FALSE(Parse(reversed));
}

TEST(MessageTableDamage, OverlappingBlocksBeyondTheDataSizeGiveNoTable)
{
    // Every block points at the same entries: harmless twice, but a file that
    // repeats it thousands of times must not cost thousands of passes.
    auto resource = BuildMessageResource({{1, u"one\n"}, {2, u"two\n"}});
    const std::uint32_t blocks = 2000;
    std::vector<std::uint8_t> entries(resource.begin() + 16, resource.end());
    std::vector<std::uint8_t> crafted(4 + 12 * blocks);
    Patch32(crafted, 0, blocks);
    for (std::uint32_t b = 0; b < blocks; ++b) {
        Patch32(crafted, 4 + 12 * b, 1);
        Patch32(crafted, 8 + 12 * b, 2);
        Patch32(crafted, 12 + 12 * b, static_cast<std::uint32_t>(crafted.size()));
    }
    crafted.insert(crafted.end(), entries.begin(), entries.end());
    EXPECT_FALSE(Parse(crafted));
}

} // namespace
