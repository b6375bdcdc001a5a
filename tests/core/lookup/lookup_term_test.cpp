#include "lookup/LookupTerm.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct TermCase {
    const char* Term;
    bool AllHex;
    bool IsValue;
    DWORD Value;
    std::optional<DWORD> Hex = std::nullopt;
};

class TermReading : public testing::TestWithParam<TermCase> {};

TEST_P(TermReading, ReadsAsUsersWriteCodes)
{
    const TermCase& c = GetParam();
    const LookupTerm read = ReadLookupTerm(c.Term, c.AllHex);
    if (!c.IsValue) {
        EXPECT_EQ(read.Type, LookupTerm::Kind::Name);
        EXPECT_EQ(read.Name, c.Term);
        return;
    }
    ASSERT_EQ(read.Type, LookupTerm::Kind::Value);
    EXPECT_EQ(read.Value, c.Value);
    EXPECT_EQ(read.HexValue, c.Hex) << c.Term;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TermReading,
    testing::Values(
        // Hexadecimal: with 0x, or hex digits only with a letter A-F.
        TermCase{"0x80070005", false, true, 0x80070005u}, TermCase{"0X8007000e", false, true, 0x8007000Eu},
        TermCase{"C0000005", false, true, 0xC0000005u}, TermCase{"8007000e", false, true, 0x8007000Eu},
        TermCase{"0x0000000080070005", false, true, 0x80070005u},
        // Decimal: signed or not, wrapping in 32 bits.
        TermCase{"5", false, true, 5}, TermCase{"-2147024891", false, true, 0x80070005u},
        TermCase{"2147942405", false, true, 0x80070005u}, TermCase{"+7", false, true, 7},
        TermCase{"-1", false, true, 0xFFFFFFFFu}, TermCase{"4294967296", false, true, 0},
        TermCase{"10", false, true, 10},
        // Eight digits only: decimal, and hexadecimal too where that differs.
        TermCase{"80004005", false, true, 80004005u, 0x80004005u}, TermCase{"00000005", false, true, 5},
        TermCase{"+80004005", false, true, 80004005u}, TermCase{"8000400", false, true, 8000400u},
        TermCase{"800040050", false, true, 800040050u}, TermCase{"80004005", true, true, 0x80004005u},
        // With --hex every number-like term is hex, a sign included.
        TermCase{"10", true, true, 0x10}, TermCase{"-5", true, true, 0xFFFFFFFBu}, TermCase{"0x10", true, true, 0x10},
        // Names: anything else, a lone sign and a signed hex text among them.
        TermCase{"E_ACCESSDENIED", false, false, 0}, TermCase{"ERROR_ACCESS_DENIED", true, false, 0},
        TermCase{"0x", false, false, 0}, TermCase{"0xG1", false, false, 0}, TermCase{"-C0000005", false, false, 0},
        TermCase{"-", false, false, 0}, TermCase{"", false, false, 0}, TermCase{"12abz", false, false, 0}));

} // namespace
