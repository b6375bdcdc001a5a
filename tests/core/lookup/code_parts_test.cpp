#include "lookup/CodeParts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CodeParts, HResultBitsAndTheHeadersFacilityNames)
{
    const struct {
        DWORD Value;
        unsigned S, R, C, N, X;
        DWORD Facility;
        const char* Name;
        DWORD Code;
    } cases[] = {
        {0x80070005u, 1, 0, 0, 0, 0, 7, "WIN32", 5},
        {0x8002802Cu, 1, 0, 0, 0, 0, 2, "DISPATCH", 0x802C},
        {0xD0000022u, 1, 1, 0, 1, 0, 0, "NULL", 0x22},
        {0x20250001u, 0, 0, 1, 0, 0, 37, "DIRECTORYSERVICE", 1},
        // Bits 16 to 26 only: bit 27 is X, and 0x7FF has no name.
        {0x9FFF0001u, 1, 0, 0, 1, 1, 0x7FF, "", 1},
        {0x88890001u, 1, 0, 0, 0, 1, 0x089, "", 1},
    };
    for (const auto& c : cases) {
        const HResultParts parts = HResultPartsOf(c.Value);
        EXPECT_EQ((std::vector<unsigned>{parts.Severity, parts.Reserved, parts.Customer, parts.Nt, parts.X}),
                  (std::vector<unsigned>{c.S, c.R, c.C, c.N, c.X}))
            << std::hex << c.Value;
        EXPECT_EQ(parts.Facility, c.Facility) << std::hex << c.Value;
        EXPECT_EQ(parts.FacilityName, c.Name) << std::hex << c.Value;
        EXPECT_EQ(parts.Code, c.Code) << std::hex << c.Value;
    }
}

TEST(CodeParts, NtStatusSeverityCustomerAndFacility)
{
    const struct {
        DWORD Value;
        bool SeveritySet;
        const char* Severity;
        unsigned Customer;
        DWORD Facility;
        const char* Name;
    } cases[] = {
        {0x00000102u, false, "success", 0, 0, ""},
        {0x40010001u, true, "informational", 0, 1, "DEBUGGER"},
        {0x80190001u, true, "warning", 0, 0x19, "TRANSACTION"},
        {0xC0000005u, true, "error", 0, 0, ""},
        {0xE0AB1234u, true, "error", 1, 0x0AB, ""},
        {0xCFFF0000u, true, "error", 0, 0xFFF, ""},
    };
    for (const auto& c : cases) {
        const NtStatusParts parts = NtStatusPartsOf(c.Value);
        EXPECT_EQ(NtStatusSeverityIsSet(c.Value), c.SeveritySet) << std::hex << c.Value;
        EXPECT_STREQ(NtStatusSeverityName(parts.Severity), c.Severity) << std::hex << c.Value;
        EXPECT_EQ(parts.Customer, c.Customer) << std::hex << c.Value;
        EXPECT_EQ(parts.Facility, c.Facility) << std::hex << c.Value;
        EXPECT_EQ(parts.FacilityName, c.Name) << std::hex << c.Value;
        EXPECT_EQ(parts.Code, c.Value & 0xFFFFu) << std::hex << c.Value;
    }
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
        {0, std::nullopt, std::nullopt},       // success has no HRESULT form of its own
        {0x10000, std::nullopt, std::nullopt}, // past 16 bits is no Win32 code
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

TEST(CodeParts, HResultWithTheNtBitWrapsTheNtStatusWithoutIt)
{
    EXPECT_EQ(NtStatusOfHResult(0xD0000022u), 0xC0000022u);
    EXPECT_EQ(NtStatusOfHResult(0x10000103u), 0x00000103u);
    EXPECT_EQ(NtStatusOfHResult(0xC0000022u), std::nullopt);
    EXPECT_EQ(NtStatusOfHResult(0x80070005u), std::nullopt);
}

TEST(CodeParts, HResultFromWin32KeepsZeroAndNegativeCodes)
{
    EXPECT_EQ(HResultFromWin32(122), 0x8007007Au);
    EXPECT_EQ(HResultFromWin32(0x12345), 0x80072345u);
    EXPECT_EQ(HResultFromWin32(0), 0u);
    EXPECT_EQ(HResultFromWin32(0x80004005u), 0x80004005u);
}
