#include "lookup.h"
#include "pe_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const std::vector<FixtureMessage> kMessages = {
    {0, u"Success.\n"},      {1, u"Ansi entry.\r\n", false},        {2, u"File not found.\n"},
    {10, u"After a gap.\n"}, {0x80004005, u"Unspecified error.\n"},
};

const char* const kExpected[] = {"Success.\r\n", "Ansi entry.\r\n", "File not found.\r\n", "After a gap.\r\n",
                                 "Unspecified error.\r\n"};

// A damaged file may lose its table, but whatever table it still gives must
// answer exactly as the intact one.
void ExpectNoTableOrCorrect(const std::vector<std::uint8_t>& file, const std::string& what)
{
    const MessageTableSet tables = MessageTableSet::FromImage(file);
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        const Lookup result = LookUp(tables, kMessages[i].id, 0x409);
        if (result.length != 0)
            EXPECT_EQ(result.text, kExpected[i]) << what;
        else
            EXPECT_TRUE(result.error == ERROR_MR_MID_NOT_FOUND || result.error == ERROR_RESOURCE_LANG_NOT_FOUND)
                << what << " gave error " << result.error;
    }
}

TEST(MessageDllDamage, EveryTruncationGivesNoTableOrTheRightText)
{
    for (const PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
        const auto file = BuildMessageDll(kind, 0x409, kMessages);
        ExpectNoTableOrCorrect(file, "intact");
        ASSERT_FALSE(MessageTableSet::FromImage(file).Empty());
        for (std::size_t size = 0; size < file.size(); ++size)
            ExpectNoTableOrCorrect({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)},
                                   "cut at " + std::to_string(size));
    }
}

TEST(MessageDllDamage, RandomByteFlipsNeverReadOutOfBounds)
{
    const auto file = BuildMessageDll(PeKind::Pe32Plus, 0x409, kMessages);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
    std::uniform_int_distribution<int> flips(1, 4);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        auto damaged = file;
        for (int i = flips(random); i > 0; --i)
            damaged[position(random)] = static_cast<std::uint8_t>(byte(random));
        // Text bytes may change, so only the outcome's shape is checked; the
        // sanitizer build catches any read outside the file.
        const MessageTableSet tables = MessageTableSet::FromImage(damaged);
        for (const FixtureMessage& message : kMessages) {
            const Lookup result = LookUp(tables, message.id, 0x409);
            EXPECT_EQ(result.length, result.text.size());
        }
    }
}

} // namespace
