// Rows whose define's value is an expression take its value over all loaded
// headers; plain numbers keep what the scan reads. The real headers are
// checked against the Windows compiler itself.
#include "scan_support.h"

#include "catalogue/ExpressionRows.h"
#include "catalogue/LoadCodes.h"
#include "catalogue/ScanHeader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

struct Headers {
    TStringsStorage List;
    std::vector<BYTE> Selected;
    void Add(const std::string& path)
    {
        List.Add(path.c_str());
        Selected.push_back(1);
    }
};

std::map<std::string, DWORD> Values(const CodeTable& rows)
{
    std::map<std::string, DWORD> values;
    for (std::size_t i = 0; i < rows.Count(); ++i)
        values.emplace(rows[i].Name, rows[i].Value);
    return values;
}

CodeTable Load(const Headers& headers, const Prefixes& prefixes)
{
    return std::move(LoadCodes({headers.List, headers.Selected.data(), prefixes.List, prefixes.Flags()}).Rows);
}

TEST(ExpressionRows, ValuesOverEveryLoadedHeaderInAnyOrder)
{
    TempFolder folder;
    Headers headers;
    // The base is defined in the second header, after the codes that use it.
    headers.Add(folder.Write("codes.h",
                             "#define ERR_BASE_PLUS (ERR_BASE + 7)\r\n"
                             "#define ERR_MADE MAKE_CODE(1, 0x876, 2156)\n"
                             "#define ERR_CAST ((unsigned short)-1)\n"
                             "#define ERR_OCTAL 010\n"
                             "#define ERR_WRAPPED _HRESULT_TYPEDEF_(0x80004005L)\n"
                             "#define ERR_STRING \"12\"\n"
                             "#define ERR_UNKNOWN (NOWHERE + 3)\n"
                             "#define ERR_CYCLE (ERR_CYCLE2 + 1)\n"
                             "#define ERR_CYCLE2 (ERR_CYCLE + 1)\n"
                             "#define ERR_CALL(x) ((x) + 5)\n"
                             "#define ERR_CONTINUED (ERR_BASE + 3 \\\n  + 4)\n"
                             "#define ERR_NO_DIGIT ERR_BASE\n"
                             "#define ERR_SECOND (ERR_TWICE + 1)\n"
                             "#define ERR_TABBED (ERR_TAB_BASE + ERR_TAB_STEP + 0)\n"));
    headers.Add(folder.Write("bases.h",
                             "#define ERR_BASE 12000\n"
                             "#define MAKE_CODE(s, f, c) ((long)(((unsigned long)(s) << 31) | ((f) << 16) | (c)))\n"
                             "#define ERR_TWICE 40\n"
                             "#define ERR_TWICE 50\n"
                             // TABs the scan does not read a code through still define a macro.
                             "#define \tERR_TAB_BASE 300\n"
                             "\t#\tdefine ERR_TAB_STEP 20\n"));
    const std::map<std::string, DWORD> values = Values(Load(headers, Prefixes{"ERR_"}));
    const std::map<std::string, DWORD> expected = {
        {"ERR_BASE_PLUS", 12007},
        {"ERR_MADE", 0x8876086Cu},
        {"ERR_CAST", 0xFFFF},
        {"ERR_OCTAL", 10}, // a plain number reads as it always has
        {"ERR_WRAPPED", 0x80004005u},
        {"ERR_STRING", 12}, // no value: what the scan read
        {"ERR_UNKNOWN", 3},
        {"ERR_CYCLE", 1},
        {"ERR_CYCLE2", 1},
        {"ERR_CALL(x)", 5},   // a function-like macro has no value
        {"ERR_CONTINUED", 3}, // the line alone is no expression
        {"ERR_SECOND", 41},   // the first definition counts
        {"ERR_TABBED", 320},
        {"ERR_BASE", 12000},
        {"ERR_TWICE", 40},
    };
    EXPECT_EQ(values, expected);
}

TEST(ExpressionRows, PlainNumbersAreNeverEvaluated)
{
    for (const char* plain :
         {" 5", " (5)", " -5L", " _HRESULT_TYPEDEF_(0x8000FFFFL) /* x */", " ((HRESULT)0x80000000L)",
          " __MSABI_LONG(1)", " (DWORD)-1 // note", " 0x10 /* unclosed", " ((UINT)5)"})
        EXPECT_TRUE(IsPlainNumber(plain)) << plain;
    for (const char* expression : {" (BASE + 5)", " 1 << 4", " 5 - 1", " -(FOO)", " (USHORT)-1", " (unsigned char)5",
                                   " 1.5", " \"7\"", " 5 5", " (HRESULT)"})
        EXPECT_FALSE(IsPlainNumber(expression)) << expression;
}

const char* const kInclude = "/usr/share/mingw-w64/include/";

// winerror.h's rows with the prefixes the program starts with are exactly
// what the scan alone reads.
TEST(ExpressionRows, WinErrorRowsAreUnchanged)
{
    const std::string winerror = std::string(kInclude) + "winerror.h";
    if (!std::filesystem::exists(winerror))
        GTEST_SKIP() << winerror << " is not installed";
    Headers headers;
    headers.Add(winerror);
    const Prefixes prefixes = DefaultPrefixes();
    CodeTable scanned;
    ASSERT_EQ(ScanHeader(winerror.c_str(), prefixes.List, prefixes.Flags(), scanned), 0u);
    const CodeTable loaded = Load(headers, prefixes);
    ASSERT_EQ(loaded.Count(), scanned.Count());
    for (std::size_t i = 0; i < loaded.Count(); ++i)
        EXPECT_EQ(loaded[i].Value, scanned[i].Value) << loaded[i].Name;
}

// Every evaluated row of the real headers against the compiler's value of
// the same name.
TEST(ExpressionRows, EvaluatedRowsAreTheWindowsCompilers)
{
    if (!std::filesystem::exists(std::string(kInclude) + "wininet.h")
        || std::system("command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs mingw-w64-common and g++-mingw-w64-x86-64-posix";
    TempFolder folder;
    Headers headers;
    for (const char* name : {"winerror.h", "wininet.h", "d3d9.h", "lmerr.h"})
        headers.Add(std::string(kInclude) + name);
    const Prefixes prefixes{"ERROR_INTERNET_", "WSA", "D3DERR_", "NERR_", "INTERNET_ERROR_"};
    const CodeTable rows = Load(headers, prefixes);
    CodeTable scanned;
    for (LONG h = 0; h < headers.List.Count(); ++h)
        ScanHeader(headers.List.Text(h), prefixes.List, prefixes.Flags(), scanned);
    ASSERT_EQ(rows.Count(), scanned.Count());

    std::string source = "#include <windows.h>\n#include <wininet.h>\n#include <d3d9.h>\n#include <lmerr.h>\n";
    std::size_t evaluated = 0;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        if (rows[i].Value == scanned[i].Value)
            continue;
        ++evaluated;
        source += "static_assert((unsigned)(" + std::string(rows[i].Name) + ") == " + std::to_string(rows[i].Value)
                  + "u, \"" + rows[i].Name + "\");\n";
    }
    EXPECT_GT(evaluated, 250u);
    const std::string unit = folder.Write("check.cpp", source);
    const std::string log = (folder.Path() / "errors.txt").string();
    EXPECT_EQ(std::system(("x86_64-w64-mingw32-g++ -std=c++17 -fsyntax-only -w " + unit + " 2>" + log).c_str()), 0)
        << (std::stringstream() << std::ifstream(log).rdbuf()).str();
}

} // namespace
