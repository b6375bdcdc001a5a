// Which headers vantrel-lookup reads when the command line names none: the
// settings file's selection, else the fallback header, else it says what to
// pass. The settings file is never written.
#include "cli/LookupRun.h"

#include "settings/TSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kHeader = "#define ERROR_ACCESS_DENIED 5L\r\n#define MY_CODE 77\r\n";

class LookupSettings : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.Made());
        WriteBytes(header, kHeader);
    }

    // A settings file that selects header and only the prefix given.
    void SaveSettings(const char* prefix)
    {
        TSettings settings(nullptr);
        settings.ErrorsOptions.AddHeader(header.c_str());
        settings.ErrorsOptions.HeaderSelected[settings.ErrorsOptions.Headers.Count() - 1] = 1;
        if (prefix != nullptr) {
            settings.ErrorsOptions.AddPrefix(prefix, false);
            settings.ErrorsOptions.PrefixSelected[settings.ErrorsOptions.Prefixes.Count() - 1] = 1;
        }
        ASSERT_TRUE(settings.Save(places.SettingsFile.c_str()));
    }

    TempFolder folder;
    std::string header = folder.File("mine.h");
    LookupPlaces places{folder.File("vantrel.dat"), folder.File("fallback.h")};
};

TEST_F(LookupSettings, SelectionOfTheSettingsFileIsRead)
{
    SaveSettings("MY_");
    const std::string before = ReadBytes(places.SettingsFile);
    const LookupRun run = RunWith({"77"}, places);
    EXPECT_EQ(run.Status, kLookupFound) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("MY_CODE"), std::string::npos);
    EXPECT_EQ(RunWith({"ERROR_ACCESS_DENIED"}, places).Status, kLookupNotFound) << "ERROR_ is not selected";
    EXPECT_EQ(ReadBytes(places.SettingsFile), before) << "never written";
}

TEST_F(LookupSettings, NoSelectedPrefixTakesTheDefaultsAndSaysSo)
{
    SaveSettings(nullptr);
    const LookupRun run = RunWith({"ERROR_ACCESS_DENIED"}, places);
    EXPECT_EQ(run.Status, kLookupFound);
    EXPECT_NE(run.Err.find("no prefix is selected in " + places.SettingsFile + "; taking the 34 default prefixes"),
              std::string::npos) << run.Err;
}

TEST_F(LookupSettings, NothingSelectedFallsBackToTheFallbackHeader)
{
    WriteBytes(places.FallbackHeader, kHeader);
    const LookupRun run = RunWith({"--scan"}, places);
    EXPECT_EQ(run.Status, kLookupFound);
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\t')), "ERROR_ACCESS_DENIED") << "ERROR_ is a default prefix";
    EXPECT_NE(run.Err.find(places.FallbackHeader), std::string::npos) << "says so on stderr";
    EXPECT_NE(run.Err.find(places.SettingsFile + " does not exist; taking the 34 default prefixes"),
              std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(places.SettingsFile)) << "never written";
}

TEST_F(LookupSettings, SelectedHeadersThatAreAllMissingFallBackToo)
{
    SaveSettings("ERROR_");
    std::filesystem::remove(header);
    WriteBytes(places.FallbackHeader, "#define ERROR_ACCESS_DENIED 5L\r\n");
    EXPECT_EQ(RunWith({"5"}, places).Status, kLookupFound);
}

TEST_F(LookupSettings, WithoutAnyHeaderItSaysWhatToPass)
{
    const LookupRun run = RunWith({"5"}, places);
    EXPECT_EQ(run.Status, kLookupFailed);
    EXPECT_NE(run.Err.find("--header FILE"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(RunWith({"--header", header, "5"}, places).Status, kLookupFound) << "--header replaces the settings";
}

} // namespace
