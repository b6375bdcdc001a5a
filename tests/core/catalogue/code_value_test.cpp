#include "catalogue/CodeValue.h"
#include "catalogue/DefineLine.h"
#include "catalogue/PrefixSet.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CodeValueDecoding, FacilityFromBits16To28)
{
    EXPECT_STREQ(DecodeCodeValue(0x80020005u).Facility, "DISPATH");
    EXPECT_STREQ(DecodeCodeValue(0x800F0000u).Facility, "SETUPAPI");
    EXPECT_STREQ(DecodeCodeValue(0x80100000u).Facility, "UNKNOWN_?");
    EXPECT_STREQ(DecodeCodeValue(0xE0070000u).Facility, "WIN32") << "bits 29 and 30 play no part";
    EXPECT_STREQ(FacilityName(5), "UNKNOWN_5");
    EXPECT_STREQ(FacilityName(0x1FFF), "UNKNOWN_?");
}

TEST(CodeValueDecoding, CodeIsTheAbsoluteSignedValue)
{
    EXPECT_EQ(DecodeCodeValue(0).Code, "0");
    EXPECT_EQ(DecodeCodeValue(0x7FFFFFFFu).Code, "2147483647");
    EXPECT_EQ(DecodeCodeValue(0xFFFFFFFFu).Code, "1");
    EXPECT_EQ(DecodeCodeValue(0x80000001u).Code, "2147483647");
    const DecodedCode lowest = DecodeCodeValue(0x80000000u);
    EXPECT_EQ(lowest.Code, "-2147483648");
    EXPECT_STREQ(lowest.Severity, "1");
    EXPECT_EQ(lowest.ImageIndex, 2);
    EXPECT_STREQ(DecodeCodeValue(0x7FFFFFFFu).Severity, "0");
    EXPECT_EQ(DecodeCodeValue(0x7FFFFFFFu).ImageIndex, 1);
}

TEST(NumberSearch, TokenRuleAndForms)
{
    auto find = [](const char* text) {
        DWORD value = 0xDEADBEEF;
        const bool found = FindNumber(text, text + std::strlen(text), value);
        return found ? std::to_string(static_cast<LONG>(value)) : std::string("none");
    };
    EXPECT_EQ(find(" X1 _2 (4)"), "4");
    EXPECT_EQ(find(" a-3"), "3") << "a minus sign right after a word is an operator";
    EXPECT_EQ(find(" (-7)"), "-7");
    EXPECT_EQ(find(" - x"), "none");
    EXPECT_EQ(find(" 0x7fffffffL"), "2147483647");
    EXPECT_EQ(find(" 0xg"), "0");
    EXPECT_EQ(find(" 99999999999"), std::to_string(static_cast<LONG>(99999999999ULL & 0xFFFFFFFFu)));
    EXPECT_EQ(find(" \xE9"
                   "5 6"),
              "6")
        << "a letter of the code page is a word character too";
}

// The prefix test compares bytes through the system's upper case; it must
// agree with the list's compare-item operation under lstrcmpiA on every pair
// of characters.
TEST(PrefixComparison, AgreesWithLstrcmpiOnEveryCharacter)
{
    const BYTE selected[] = {1};
    for (int a = 1; a < 256; ++a) {
        const char prefix[2] = {static_cast<char>(a), 0};
        TStringsStorage list;
        list.Add(prefix);
        const PrefixSet prefixes(list, selected);
        for (int b = 1; b < 256; ++b) {
            const char name[2] = {static_cast<char>(b), 0};
            ASSERT_EQ(prefixes.MatchesStartOf(name, 1), list.CompareItem(0, name, 1, lstrcmpiA) == 0) << a << " " << b;
        }
    }
}

TEST(PrefixComparison, AgreesWithCompareItem)
{
    TStringsStorage list;
    list.Add("error_");
    list.Add("E_NOT");
    list.Add("\xC9t\xE9_");
    const BYTE selected[] = {1, 1, 1};
    const PrefixSet prefixes(list, selected);
    const char* const names[] = {"ERROR_X", "Error_", "ERROR", "E_NOTIMPL", "E_NO", "\xE9T\xC9_1", "ETE_1"};
    for (const char* name : names) {
        bool expected = false;
        for (LONG i = 0; i < list.Count(); ++i) {
            expected |= std::strlen(name) >= static_cast<std::size_t>(list.Length(i))
                        && list.CompareItem(i, name, list.Length(i), lstrcmpiA) == 0;
        }
        EXPECT_EQ(prefixes.MatchesStartOf(name, std::strlen(name)), expected) << name;
    }
}

} // namespace
