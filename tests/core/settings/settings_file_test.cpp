#include "settings_support.h"

#include "settings/SettingsFile.h"

namespace {

class SettingsDefaults : public SettingsFolder {};

TEST_F(SettingsDefaults, MissingOrUnnamedFileGivesDefaults)
{
    EXPECT_EQ(Take(TSettings(path.c_str())), DefaultSnapshot());
    EXPECT_EQ(Take(TSettings(nullptr)), DefaultSnapshot());
}

TEST_F(SettingsDefaults, SetDefaultsReplacesFilledListsInsteadOfAppending)
{
    TSettings settings(nullptr);
    Customise(settings);
    settings.SetDefaults();
    EXPECT_EQ(Take(settings), DefaultSnapshot());
}

class SettingsFileFormat : public SettingsFolder {};

TEST_F(SettingsFileFormat, DefaultsSaveToTheDocumentedBytes)
{
    const Bytes expected = ExpectedDefaultFile();
    ASSERT_EQ(expected.size(), 962u);
    EXPECT_EQ(expected[88 + 12], 27) << "payload of the headers block";
    EXPECT_EQ(expected[132 + 12] | expected[132 + 13] << 8, 772) << "payload of the prefixes block";

    TSettings settings(nullptr);
    settings.GeneralOptions.Padding[1] = 0xAA;
    ASSERT_TRUE(settings.Save(path.c_str()));
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    EXPECT_EQ(Take(TSettings(path.c_str())), DefaultSnapshot());
}

TEST_F(SettingsFileFormat, EveryFieldRoundTrips)
{
    TSettings original(nullptr);
    Customise(original);
    ASSERT_TRUE(original.Save(path.c_str()));

    TSettings loaded(path.c_str());
    EXPECT_EQ(Take(loaded), Take(original));
    EXPECT_EQ(loaded.GeneralOptions.EscapeAction, 7) << "kept as read; only the dialog turns it into 0";
}

TEST_F(SettingsFileFormat, TrailingBytesAreIgnored)
{
    TSettings original(nullptr);
    Customise(original);
    ASSERT_TRUE(original.Save(path.c_str()));
    Bytes bytes = ReadBytes(path);
    bytes.insert(bytes.end(), {'J', 'U', 'N', 'K', 0xFF});
    WriteBytes(path, bytes);
    EXPECT_EQ(Take(TSettings(path.c_str())), Take(original));
}

TEST_F(SettingsFileFormat, EmptyListsAreBareBlocksWithoutFlags)
{
    TSettings original(nullptr);
    original.ErrorsOptions.RemoveHeader(0);
    while (original.ErrorsOptions.Prefixes.Count() > 0)
        original.ErrorsOptions.RemovePrefix(0);
    original.GeneralOptions.FlatButtons = 0;
    ASSERT_TRUE(original.Save(path.c_str()));

    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 76u + 12 + 16 + 16 + 8);
    const Bytes emptyBlock = {'T', 'S', 'S', 'F', 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bytes.begin() + 88, bytes.begin() + 104), emptyBlock);
    EXPECT_EQ(Bytes(bytes.begin() + 104, bytes.begin() + 120), emptyBlock);

    TSettings loaded(path.c_str());
    EXPECT_EQ(loaded.GeneralOptions.FlatButtons, 0) << "the file was used, not the defaults";
    EXPECT_EQ(loaded.ErrorsOptions.Headers.Count(), 0);
    EXPECT_EQ(loaded.ErrorsOptions.HeaderSelected, nullptr);
    EXPECT_EQ(loaded.ErrorsOptions.Prefixes.Count(), 0);
    EXPECT_EQ(loaded.ErrorsOptions.PrefixSelected, nullptr);
}

class SettingsFileDamage : public SettingsFolder {};

TEST_F(SettingsFileDamage, EveryTruncationGivesDefaults)
{
    const Bytes whole = ExpectedDefaultFile();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteBytes(path, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        TSettings probe(nullptr);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(SettingsFile::Load(probe, path.c_str())) << "length " << length;
        EXPECT_NE(GetLastError(), ERROR_SUCCESS) << "length " << length;
        EXPECT_EQ(Take(TSettings(path.c_str())), DefaultSnapshot()) << "length " << length;
    }
}

TEST_F(SettingsFileDamage, CutFileChangesNothingInTheRecord)
{
    TSettings original(nullptr);
    Customise(original);
    ASSERT_TRUE(original.Save(path.c_str()));
    const Bytes whole = ReadBytes(path);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteBytes(path, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        TSettings target(nullptr);
        EXPECT_FALSE(SettingsFile::Load(target, path.c_str()));
        EXPECT_EQ(Take(target), DefaultSnapshot()) << "length " << length;
        EXPECT_TRUE(InStep(target.ErrorsOptions.Prefixes, target.ErrorsOptions.PrefixSelected));
    }
}

TEST_F(SettingsFileDamage, AnyChangedFixedHeaderByteGivesDefaults)
{
    TSettings original(nullptr);
    Customise(original);
    ASSERT_TRUE(original.Save(path.c_str()));
    const Bytes whole = ReadBytes(path);
    for (std::size_t at = 0; at < 76; ++at) {
        Bytes changed = whole;
        changed[at] ^= 0x20;
        WriteBytes(path, changed);
        TSettings probe(nullptr);
        EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
        EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT) << "offset " << at;
        EXPECT_EQ(Take(TSettings(path.c_str())), DefaultSnapshot()) << "offset " << at;
    }
}

TEST_F(SettingsFileDamage, ForeignBlockMagicOrVersionIsRefused)
{
    TSettings probe(nullptr);
    Bytes magic = ExpectedDefaultFile();
    magic[132] = 'X';
    WriteBytes(path, magic);
    EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_BAD_FORMAT);

    Bytes version = ExpectedDefaultFile();
    version[88 + 4] = 2;
    WriteBytes(path, version);
    EXPECT_FALSE(SettingsFile::Load(probe, path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_REVISION_MISMATCH);
}

} // namespace
