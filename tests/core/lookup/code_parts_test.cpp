#include "lookup/CodeParts.h"

#include <gtest/gtest.h>

#include <string>

TEST(CodeParts, HResultPartsUseTheProgramsFacilityNames)
{
    const HResultParts access = HResultPartsOf(0x80070005u);
    EXPECT_EQ(access.Severity, 1u);
    EXPECT_EQ(access.Facility, 7u);
    EXPECT_EQ(std::string(access.FacilityName), "WIN32");
    EXPECT_EQ(access.Code, 5u);

    // Bits 16 to 28 make the facility, as in the code list's Facility column.
    const HResultParts wide = HResultPartsOf(0x9FFF0001u);
    EXPECT_EQ(wide.Facility, 0x1FFFu);
    EXPECT_EQ(std::string(wide.FacilityName), "UNKNOWN_?");
}

TEST(CodeParts, NtStatusOnlyWhenTheTopTwoBitsAreSet)
{
    EXPECT_FALSE(NtStatusPartsOf(0x80070005u));
    EXPECT_FALSE(NtStatusPartsOf(0x40000000u));
    const auto access = NtStatusPartsOf(0xC0000005u);
    ASSERT_TRUE(access);
    EXPECT_EQ(access->Severity, 3u);
    EXPECT_EQ(std::string(NtStatusSeverityName(access->Severity)), "error");
    EXPECT_EQ(access->Customer, 0u);
    EXPECT_EQ(access->Facility, 0u);
    EXPECT_EQ(access->Code, 5u);

    const auto customer = NtStatusPartsOf(0xE0AB1234u);
    ASSERT_TRUE(customer);
    EXPECT_EQ(customer->Customer, 1u);
    EXPECT_EQ(customer->Facility, 0x0ABu);
    EXPECT_EQ(customer->Code, 0x1234u);
}

TEST(CodeParts, Win32CodesAndTheirHResultsPairUp)
{
    struct Case {
        DWORD Value;
        std::optional<DWORD> HResult;
        std::optional<DWORD> Win32;
    };
    const Case cases[] = {
        {5, 0x80070005u, std::nullopt},
        {0xFFFF, 0x8007FFFFu, std::nullopt},
        {0, std::nullopt, std::nullopt},        // success has no HRESULT form of its own
        {0x10000, std::nullopt, std::nullopt},  // past 16 bits is no Win32 code
        {0x80070005u, std::nullopt, 5},
        {0x80070000u, std::nullopt, std::nullopt},
        {0x80080005u, std::nullopt, std::nullopt},
        {0xC0070005u, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HResultOfWin32Code(c.Value), c.HResult) << std::hex << c.Value;
        EXPECT_EQ(Win32CodeOfHResult(c.Value), c.Win32) << std::hex << c.Value;
    }
}

TEST(CodeParts, HResultFromWin32KeepsZeroAndNegativeCodes)
{
    EXPECT_EQ(HResultFromWin32(122), 0x8007007Au);
    EXPECT_EQ(HResultFromWin32(0x12345), 0x80072345u);
    EXPECT_EQ(HResultFromWin32(0), 0u);
    EXPECT_EQ(HResultFromWin32(0x80004005u), 0x80004005u);
}
