// --scan over mingw-w64's winerror.h prints exactly the rows the window
// loads from it, field for field.
#include "cli/LookupRun.h"

#include "catalogue/ScanHeader.h"
#include "settings/TSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kWinError = "/usr/share/mingw-w64/include/winerror.h";

TEST(LookupScan, PrintsTheWindowsRowsOfWinError)
{
    if (!std::filesystem::exists(kWinError))
        GTEST_SKIP() << kWinError << " is missing (package mingw-w64-common)";
    TempFolder folder;
    // No settings file: the header with the default prefixes.
    const LookupRun run = RunWith({"--scan", "--header", kWinError}, LookupPlaces{folder.File("vantrel.dat")});
    ASSERT_EQ(run.Status, kLookupFound) << run.Err;

    TSettings defaults(nullptr);
    std::vector<BYTE> all(static_cast<std::size_t>(defaults.ErrorsOptions.Prefixes.Count()), 1);
    ASSERT_EQ(all.size(), 34u);
    std::string expected;
    const DWORD result = ScanHeader(kWinError, defaults.ErrorsOptions.Prefixes, all.data(), [&](CodeEntry&& row) {
        expected += row.Mnemonic;
        for (const std::string& field : row.SubItems)
            expected += "\t" + field;
        expected += "\n";
    });
    ASSERT_EQ(result, 0u);
    EXPECT_GT(std::count(expected.begin(), expected.end(), '\n'), 2000);
    EXPECT_TRUE(run.Out == expected) << "the scan differs from the window's rows";
}

} // namespace
