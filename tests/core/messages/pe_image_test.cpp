#include "lookup.h"
#include "pe_fixture.h"

#include "platform/message_table_set.h"

#include <gtest/gtest.h>

namespace {

// Where the fixture builder puts things in a PE32+ file.
constexpr std::size_t kPeOffsetField = 0x3C;
constexpr std::size_t kOptionalHeader = 0x58;
constexpr std::size_t kDirectoryCount = kOptionalHeader + 108;
constexpr std::size_t kResourceRva = kOptionalHeader + 112 + 16;
constexpr std::size_t kSectionHeader = kOptionalHeader + 240;
constexpr std::size_t kSectionCount = 0x44 + 2;
constexpr std::size_t kResources = 0x200;
constexpr std::size_t kTypeTarget = kResources + 20;
constexpr std::size_t kFirstDataEntry = kResources + 48 + 16 + 8; // one language

std::vector<std::uint8_t> EnglishDll(PeKind kind = PeKind::Pe32Plus)
{
    return BuildMessageDll(kind, 0x409, {{2, u"File not found.\n"}, {5, u"Access denied.\n"}});
}

bool HasTable(const std::vector<std::uint8_t>& file)
{
    return !MessageTableSet::FromImage(file).Empty();
}

TEST(PeImageFormats, Pe32AndPe32PlusBothCarryTheirTable)
{
    for (const PeKind kind : {PeKind::Pe32, PeKind::Pe32Plus}) {
        const MessageTableSet tables = MessageTableSet::FromImage(EnglishDll(kind));
        EXPECT_EQ(tables.Languages(), std::vector<std::uint16_t>{0x409});
        EXPECT_EQ(LookUp(tables, 2, 0x409).text, "File not found.\r\n");
    }
}

TEST(PeImageFormats, LanguagesKeepTheDirectoryOrder)
{
    const auto file = BuildPe(PeKind::Pe32Plus, {{0x0C, BuildMessageResource({{1, u"fr\n"}})},
                                                 {0x407, BuildMessageResource({{1, u"de\n"}})},
                                                 {0x0C, BuildMessageResource({{1, u"again\n"}})}});
    const MessageTableSet tables = MessageTableSet::FromImage(file);
    EXPECT_EQ(tables.Languages(), (std::vector<std::uint16_t>{0x0C, 0x407})) << "a repeated language counts once";
    EXPECT_EQ(LookUp(tables, 1, 0x0C).text, "fr\r\n");
}

TEST(PeImageHeaders, DamagedHeadersGiveNoTable)
{
    const auto good = EnglishDll();
    ASSERT_TRUE(HasTable(good));
    auto notMz = good;
    notMz[0] = 'X';
    EXPECT_FALSE(HasTable(notMz));
    auto peOutside = good;
    Patch32(peOutside, kPeOffsetField, 0xFFFFFFF0u);
    EXPECT_FALSE(HasTable(peOutside));
    auto badSignature = good;
    badSignature[0x41] = 'X';
    EXPECT_FALSE(HasTable(badSignature));
    auto badMagic = good;
    badMagic[kOptionalHeader] = 0x0B;
    badMagic[kOptionalHeader + 1] = 0x03;
    EXPECT_FALSE(HasTable(badMagic));
    auto sections = good;
    sections[kSectionCount] = 0xFF;
    sections[kSectionCount + 1] = 0xFF;
    EXPECT_FALSE(HasTable(sections)) << "65535 section headers do not fit in the file";
}

TEST(PeImageHeaders, TooFewDataDirectoriesMeanNoResources)
{
    auto file = EnglishDll();
    Patch32(file, kDirectoryCount, 2);
    EXPECT_FALSE(HasTable(file));
}

TEST(PeImageMapping, AddressesOutsideTheSectionDataGiveNoTable)
{
    auto resourceOutside = EnglishDll();
    Patch32(resourceOutside, kResourceRva, 0x9000);
    EXPECT_FALSE(HasTable(resourceOutside));

    auto dataOutside = EnglishDll();
    Patch32(dataOutside, kFirstDataEntry, 0xFFFFFF00u);
    EXPECT_FALSE(HasTable(dataOutside));

    auto rawBeyondFile = EnglishDll();
    Patch32(rawBeyondFile, kSectionHeader + 20, 0x10000);
    EXPECT_FALSE(HasTable(rawBeyondFile));

    auto virtualTooSmall = EnglishDll();
    Patch32(virtualTooSmall, kSectionHeader + 8, 0x40); // the loader would not map the data
    EXPECT_FALSE(HasTable(virtualTooSmall));
}

TEST(PeImageResources, DirectoryPointingBackAtTheRootIsDamage)
{
    auto file = EnglishDll();
    Patch32(file, kTypeTarget, 0x80000000u);
    EXPECT_FALSE(HasTable(file));
}

TEST(PeImageResources, ImageWithoutAMessageTableHasNone)
{
    auto file = EnglishDll();
    file[kResources + 16] = 6; // the only type is now RT_STRING
    EXPECT_FALSE(HasTable(file));
}

} // namespace
