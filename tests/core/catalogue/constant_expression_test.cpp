// The value of a define's expression: C's operators and literals checked
// against this compiler's own evaluation of the same text, the macros of
// the Windows headers, and what has no value.
#include "catalogue/ConstantExpression.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

MacroTable Macros(std::initializer_list<const char*> lines)
{
    MacroTable table;
    for (const std::string line : lines)
        table.AddLine(line.data(), line.size());
    return table;
}

// Each expression both as text for the evaluator and as code for the
// compiler; no long in them, whose size differs from Windows' here.
#define COMPILED(e)                                                                                                    \
    {                                                                                                                  \
#e, static_cast < std::uint32_t>(e)                                                                            \
    }

// The compiler's warnings about these expressions are what they test.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wdiv-by-zero"
#pragma GCC diagnostic ignored "-Wparentheses"
#pragma GCC diagnostic ignored "-Woverflow"
#pragma GCC diagnostic ignored "-Wunused-value"
TEST(ConstantExpression, OperatorsAndLiteralsAsTheCompilerComputesThem)
{
    const struct {
        const char* Text;
        std::uint32_t Value;
    } cases[] = {
        COMPILED(1 + 2 * 3 - 4 / 2 % 3),
        COMPILED(100 / 10 / 5 - 4 - 3),
        COMPILED(1 | 2 ^ 3 & 1 == 4 < 5 << 1 + 2 * 3 || 0 && 1),
        COMPILED((1 + 2) * 3),
        COMPILED(-1),
        COMPILED(~0u >> 4),
        COMPILED(-16 >> 2),
        COMPILED(0xFFFFFFFF >> 4),
        COMPILED(1u << 31 | 0x7 << 16 | 5),
        COMPILED(0x80000000 > 0),
        COMPILED(-1 < 0u),
        COMPILED(-1 < 0),
        COMPILED(-1LL < 0u),
        COMPILED(0x10 == 16 && 010 == 8),
        COMPILED(1 ? 2 : 3),
        COMPILED(0 ? 2 : -3),
        COMPILED(0 && 1 / 0),
        COMPILED(1 || 1 % 0),
        COMPILED(!5 + !0),
        COMPILED(5 & 3 ^ 6 | 8),
        COMPILED(7 != 7 == 0),
        COMPILED(3 <= 3 >= 1),
        COMPILED(-7 / 2),
        COMPILED(-7 % 2),
        COMPILED(0xFFFFFFFFu + 1),
        COMPILED(4294967295 + 1),
        COMPILED((unsigned short)0x12345),
        COMPILED((signed char)0xFF),
        COMPILED((unsigned char)-1 + 1),
        COMPILED((long long)0x80000000 << 1),
        COMPILED((1, 2)),
        COMPILED(0x7fffffffULL * 4 / 2),
    };
    const MacroTable none;
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateConstant(c.Text, none), c.Value) << c.Text;
}
#pragma GCC diagnostic pop

TEST(ConstantExpression, DefinesOfTheWindowsHeaders)
{
    // As mingw-w64 writes them, in an order where a name is used before it
    // is defined.
    const MacroTable macros = Macros({
        "#define ERROR_INTERNET_NAME_NOT_RESOLVED (INTERNET_ERROR_BASE + 7)",
        "#define INTERNET_ERROR_BASE 12000",
        "#define D3DERR_INVALIDCALL MAKE_D3DHRESULT(2156)",
        "#define MAKE_D3DHRESULT( code )                 MAKE_HRESULT( 1, _FACD3D, code )",
        "#define _FACD3D  0x876",
        "#define MAKE_HRESULT(sev,fac,code) ((HRESULT) (((unsigned __LONG32)(sev)<<31) | "
        "((unsigned __LONG32)(fac)<<16) | ((unsigned __LONG32)(code))))",
        "#define E_FAIL _HRESULT_TYPEDEF_(0x80004005L)",
        "#define _HRESULT_TYPEDEF_(_sc) ((HRESULT)_sc)",
        "#define STATUS_ACCESS_VIOLATION ((NTSTATUS)0xC0000005L)",
        "#define E_NOT_SUFFICIENT_BUFFER HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)",
        "#define ERROR_INSUFFICIENT_BUFFER 122L // the data area is too small",
        "#define HRESULT_FROM_WIN32(x) __HRESULT_FROM_WIN32(x)",
        "#define NERR_BASE 2100",
        "#define MAX_NERR (NERR_BASE+899) /* the last one */",
        "#define PASTED __MSABI_LONG(0x10)",
        "#define LONGER(x) x ## 0",
        "#define TEN LONGER(1)",
        // Empty arguments on both sides of ##, as the compiler's preprocessor
        // reads them: 1 + 2, 4 and 7.
        "#define EMPTY_PASTES(x) 1 + x ## x ## 2",
        "#define THREE EMPTY_PASTES()",
        "#define LEADING(x) x ## x ## 4",
        "#define FOUR LEADING()",
        "#define TRAILING(x) 7 ## x ## x",
        "#define SEVEN TRAILING()",
        "#define S_OK ((HRESULT)0L)",
        "#define WIN32_ZERO HRESULT_FROM_WIN32(0)",
    });
    const struct {
        const char* Name;
        std::uint32_t Value;
    } cases[] = {
        {"ERROR_INTERNET_NAME_NOT_RESOLVED", 12007},
        {"D3DERR_INVALIDCALL", 0x8876086C},
        {"E_FAIL", 0x80004005},
        {"STATUS_ACCESS_VIOLATION", 0xC0000005},
        {"E_NOT_SUFFICIENT_BUFFER", 0x8007007A},
        {"MAX_NERR", 2999},
        {"PASTED", 0x10},
        {"TEN", 10},
        {"THREE", 3},
        {"FOUR", 4},
        {"SEVEN", 7},
        {"S_OK", 0},
        {"WIN32_ZERO", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateDefine(c.Name, macros), c.Value) << c.Name;
}

TEST(ConstantExpression, WhatIsNoIntegerConstantHasNoValue)
{
    const MacroTable macros = Macros({
        "#define TEXT_NAME \"kernel32.dll\"",
        "#define A_TYPE LONG",
        "#define A_FUNCTION GetLastError()",
        "#define LOOP_A (LOOP_B + 1)",
        "#define LOOP_B (LOOP_A + 1)",
        "#define SELF SELF",
        "#define UNKNOWN (NOT_DEFINED + 1)",
        "#define GUESSED (NOT_DEFINED) - 1",
        "#define DIVIDED (1 / 0)",
        "#define FLOATING 1.5",
        "#define EMPTY",
        "#define CONTINUED (1 + \\",
        "#define TWO_ARGS(a, b) (a + b)",
        "#define ONE_ARG TWO_ARGS(1)",
        "#define STRINGIZE(x) #x",
        "#define MADE_STRING STRINGIZE(1)",
        "#define CHARACTER 'a'",
        "#define DOUBLE(x) x x",
        "#define D1 DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(DOUBLE(1))))))))))))",
    });
    for (const char* name :
         {"TEXT_NAME", "A_TYPE", "A_FUNCTION", "LOOP_A", "SELF", "UNKNOWN", "GUESSED", "DIVIDED", "FLOATING", "EMPTY",
          "CONTINUED", "TWO_ARGS", "ONE_ARG", "MADE_STRING", "CHARACTER", "D1", "NOT_DEFINED"})
        EXPECT_EQ(EvaluateDefine(name, macros), std::nullopt) << name;

    std::string deep(100000, '(');
    EXPECT_EQ(EvaluateConstant(deep + "1" + std::string(100000, ')'), macros), std::nullopt) << "nesting is bounded";
    EXPECT_EQ(EvaluateConstant(std::string(100000, '-') + "1", macros), std::nullopt);
}

} // namespace
