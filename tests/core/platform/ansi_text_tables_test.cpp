// The 8-bit text services byte by byte against Win32's own results, which
// ansi_text_tables.h holds as measured on Windows (Wine). The same tables are
// checked on both systems, so the Linux layer and Win32 answer alike.
#include "ansi_text_tables.h"

#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// Every byte that can stand in a mnemonic: 0x01 to 0xFF.
constexpr int kFirstByte = 1;
constexpr int kLastByte = 255;

template <typename Compare>
int PairsOutOfOrder(Compare compare, const std::array<std::uint8_t, 256>& rank, const char* name)
{
    int wrong = 0;
    for (int a = kFirstByte; a <= kLastByte; ++a) {
        for (int b = kFirstByte; b <= kLastByte; ++b) {
            const char x[2] = {static_cast<char>(a), '\0'};
            const char y[2] = {static_cast<char>(b), '\0'};
            const int expected = Sign(rank[a] - rank[b]);
            if (Sign(compare(x, y)) != expected && ++wrong <= 10)
                ADD_FAILURE() << name << "(0x" << std::hex << a << ", 0x" << b << ") should be " << std::dec
                              << expected;
        }
    }
    return wrong;
}

TEST(AnsiTextTables, EveryBytePairComparesAsWin32Does)
{
    EXPECT_EQ(PairsOutOfOrder(lstrcmpA, kLstrcmpARank, "lstrcmpA"), 0);
    EXPECT_EQ(PairsOutOfOrder(lstrcmpiA, kLstrcmpiARank, "lstrcmpiA"), 0);
}

TEST(AnsiTextTables, EveryByteUpperCasesAndClassifiesAsWin32Does)
{
    char all[kLastByte];
    for (int b = kFirstByte; b <= kLastByte; ++b)
        all[b - 1] = static_cast<char>(b);
    EXPECT_EQ(CharUpperBuffA(all, kLastByte), static_cast<DWORD>(kLastByte));
    for (int b = kFirstByte; b <= kLastByte; ++b) {
        EXPECT_EQ(static_cast<unsigned char>(all[b - 1]), kCharUpper[b]) << "CharUpperBuffA of 0x" << std::hex << b;
        const bool alphaNumeric = (kAlphaNumeric[b / 32] >> (b % 32)) & 1;
        EXPECT_EQ(IsCharAlphaNumericA(static_cast<CHAR>(b)) != FALSE, alphaNumeric)
            << "IsCharAlphaNumericA of 0x" << std::hex << b;
    }
}

// Run on Windows (or Wine) to measure the tables anew:
//   test_platform.exe --gtest_also_run_disabled_tests --gtest_filter=*PrintTables
void PrintRanks(int (*compare)(LPCSTR, LPCSTR), const char* name)
{
    std::printf("inline constexpr std::array<std::uint8_t, 256> %s = {\n    0,", name);
    for (int a = kFirstByte; a <= kLastByte; ++a) {
        int rank = 0;
        for (int b = kFirstByte; b <= kLastByte; ++b) {
            const char x[2] = {static_cast<char>(b), '\0'};
            const char y[2] = {static_cast<char>(a), '\0'};
            rank += compare(x, y) < 0;
        }
        std::printf("%s%d,", a % 16 == 0 ? "\n    " : " ", rank);
    }
    std::printf("\n};\n");
}

TEST(AnsiTextTables, DISABLED_PrintTables)
{
    PrintRanks(lstrcmpA, "kLstrcmpARank");
    PrintRanks(lstrcmpiA, "kLstrcmpiARank");
    std::printf("inline constexpr std::array<std::uint8_t, 256> kCharUpper = {");
    for (int b = 0; b < 256; ++b) {
        char ch = static_cast<char>(b);
        if (b > 0)
            CharUpperBuffA(&ch, 1);
        std::printf("%s0x%02X,", b % 16 == 0 ? "\n    " : " ", static_cast<unsigned char>(ch));
    }
    std::printf("\n};\ninline constexpr std::array<std::uint32_t, 8> kAlphaNumeric = {");
    for (int word = 0; word < 8; ++word) {
        std::uint32_t bits = 0;
        for (int bit = 0; bit < 32; ++bit) {
            const int b = word * 32 + bit;
            if (b > 0 && IsCharAlphaNumericA(static_cast<CHAR>(b)))
                bits |= std::uint32_t(1) << bit;
        }
        std::printf(" 0x%08X,", static_cast<unsigned>(bits));
    }
    std::printf("};\n");
}

} // namespace
