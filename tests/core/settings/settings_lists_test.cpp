#include "settings_support.h"

#include <algorithm>
#include <iterator>

namespace {

class SettingsListMaintenance : public ::testing::Test {
protected:
    void TearDown() override { MemoryFaults::Reset(); }

    void KeepOnlyPrefixes(const std::vector<std::string>& names)
    {
        while (errors.Prefixes.Count() > 0)
            errors.RemovePrefix(0);
        for (const std::string& name : names)
            ASSERT_TRUE(errors.AddPrefix(name.c_str(), false));
    }

    TSettings settings{nullptr};
    TSettings::tagErrorsOptions& errors = settings.ErrorsOptions;
};

TEST_F(SettingsListMaintenance, AddHeaderRefusesExactDuplicateOnly)
{
    errors.HeaderSelected[0] = 1;
    EXPECT_FALSE(errors.AddHeader("winerror.h"));
    EXPECT_EQ(errors.Headers.Count(), 1);
    EXPECT_TRUE(errors.AddHeader("WinError.h")) << "other letter case is another header";
    ASSERT_EQ(errors.Headers.Count(), 2);
    EXPECT_EQ(errors.HeaderSelected[0], 1);
    EXPECT_EQ(errors.HeaderSelected[1], 0);
    EXPECT_FALSE(errors.AddHeader(""));
    EXPECT_FALSE(errors.AddHeader(nullptr));
    EXPECT_EQ(errors.Headers.Count(), 2);
}

TEST_F(SettingsListMaintenance, AddPrefixDuplicateOnlyWhenAllowed)
{
    EXPECT_FALSE(errors.AddPrefix("ERROR_", false));
    EXPECT_TRUE(errors.AddPrefix("ERROR_", true));
    EXPECT_EQ(errors.Prefixes.Count(), 35);
    EXPECT_TRUE(InStep(errors.Prefixes, errors.PrefixSelected));
}

TEST_F(SettingsListMaintenance, LastItemTakesItsFlagsWithIt)
{
    errors.RemoveHeader(0);
    EXPECT_EQ(errors.Headers.Count(), 0);
    EXPECT_EQ(errors.HeaderSelected, nullptr);

    ASSERT_TRUE(errors.AddHeader("ntstatus.h"));
    ASSERT_NE(errors.HeaderSelected, nullptr);
    EXPECT_EQ(LocalSize(errors.HeaderSelected), 1u);
    EXPECT_EQ(errors.HeaderSelected[0], 0);
}

TEST_F(SettingsListMaintenance, RemovalMovesLaterFlagsDown)
{
    KeepOnlyPrefixes({"A_", "B_", "C_", "D_", "E_"});
    const BYTE flags[] = {1, 0, 1, 0, 1};
    std::copy(std::begin(flags), std::end(flags), errors.PrefixSelected);
    errors.RemovePrefix(2);
    ASSERT_EQ(errors.Prefixes.Count(), 4);
    EXPECT_STREQ(errors.Prefixes.Text(2), "D_");
    EXPECT_EQ(Bytes(errors.PrefixSelected, errors.PrefixSelected + 4), (Bytes{1, 0, 0, 1}));
}

TEST_F(SettingsListMaintenance, OutOfRangeRemovalChangesNothing)
{
    errors.RemoveHeader(-1);
    errors.RemoveHeader(1);
    errors.RemovePrefix(34);
    EXPECT_EQ(Take(settings), DefaultSnapshot());
}

class SettingsOutOfMemory : public SettingsFolder {};

TEST_F(SettingsOutOfMemory, FailedAddLeavesListAndFlagsAsTheyWere)
{
    TSettings settings(nullptr);
    auto& errors = settings.ErrorsOptions;
    errors.HeaderSelected[0] = 1;
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 100);
        MemoryFaults::FailNth(nth);
        const bool added = errors.AddHeader("ntstatus.h");
        MemoryFaults::Reset();
        ASSERT_TRUE(InStep(errors.Headers, errors.HeaderSelected));
        if (added) {
            EXPECT_EQ(Take(settings).headerFlags, (Bytes{1, 0}));
            break;
        }
        EXPECT_EQ(Take(settings).headers, std::vector<std::string>{"winerror.h"}) << nth;
        EXPECT_EQ(errors.HeaderSelected[0], 1);
    }
}

TEST_F(SettingsOutOfMemory, DefaultsKeepListsAndFlagsInStep)
{
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 200);
        MemoryFaults::FailNth(nth);
        TSettings settings(nullptr);
        MemoryFaults::Reset();
        EXPECT_TRUE(InStep(settings.ErrorsOptions.Headers, settings.ErrorsOptions.HeaderSelected)) << nth;
        EXPECT_TRUE(InStep(settings.ErrorsOptions.Prefixes, settings.ErrorsOptions.PrefixSelected)) << nth;
        if (Take(settings) == DefaultSnapshot())
            break;
    }
}

TEST_F(SettingsOutOfMemory, LoadGivesTheFileOrTheDefaults)
{
    TSettings original(nullptr);
    Customise(original);
    ASSERT_TRUE(original.Save(path.c_str()));
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 300);
        MemoryFaults::FailNth(nth);
        TSettings loaded(path.c_str());
        MemoryFaults::Reset();
        const Snapshot shot = Take(loaded);
        if (shot == Take(original))
            break;
        EXPECT_EQ(shot, DefaultSnapshot()) << nth;
    }
}

} // namespace
