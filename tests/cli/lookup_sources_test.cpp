// What vantrel-lookup reads when the command line names no header: the
// built-in catalogue and the settings file's selection. The settings file is
// never written.
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
    LookupPlaces places{folder.File("vantrel.dat")};
};

TEST_F(LookupSettings, SelectedHeadersAddToTheCatalogue)
{
    SaveSettings("MY_");
    const std::string before = ReadBytes(places.SettingsFile);
    const LookupRun run = RunWith({"--json", "77", "E_FAIL"}, places);
    EXPECT_EQ(run.Status, kLookupFound) << run.Err;
    EXPECT_EQ(run.Err, "");
    const nlohmann::json terms = run.Json()["terms"];
    EXPECT_EQ(terms[0]["value"]["definitions"][0]["name"], "MY_CODE");
    EXPECT_EQ(terms[1]["definitions"][0]["header"], "winerror.h") << "from the catalogue";
    EXPECT_EQ(ReadBytes(places.SettingsFile), before) << "never written";
}

TEST_F(LookupSettings, WithoutSettingsTheCatalogueAnswersAlone)
{
    const LookupRun run =
        RunWith({"0x80070005", "STATUS_ACCESS_VIOLATION", "ERROR_INTERNET_NAME_NOT_RESOLVED"}, places);
    EXPECT_EQ(run.Status, kLookupFound) << run.Err;
    EXPECT_EQ(run.Err, "") << "nothing to say about a missing settings file";
    EXPECT_FALSE(std::filesystem::exists(places.SettingsFile)) << "never written";
}

TEST_F(LookupSettings, SelectedHeaderThatIsGoneIsMentionedAndLeftOut)
{
    SaveSettings("ERROR_");
    std::filesystem::remove(header);
    const LookupRun run = RunWith({"5"}, places);
    EXPECT_EQ(run.Status, kLookupFound);
    EXPECT_NE(run.Err.find(header + " is not found"), std::string::npos) << run.Err;
}

TEST_F(LookupSettings, HeaderOnTheCommandLineReplacesCatalogueAndSettings)
{
    SaveSettings("MY_");
    const LookupRun run = RunWith({"--header", header, "--prefix", "ERROR_", "E_FAIL", "ERROR_ACCESS_DENIED"}, places);
    EXPECT_EQ(run.Status, kLookupNotFound);
    EXPECT_NE(run.Err.find("E_FAIL: not found"), std::string::npos) << run.Err;
}

} // namespace
