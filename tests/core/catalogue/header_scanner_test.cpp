#include "scan_support.h"

#include "catalogue/ScanHeader.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The one row a single-line header yields, or a failed expectation.
CodeEntry OnlyRow(std::string_view bytes, const Prefixes& prefixes)
{
    const ScanOutcome outcome = ScanBytes(bytes, prefixes);
    EXPECT_EQ(outcome.Result, 0u);
    EXPECT_EQ(outcome.Rows.size(), 1u) << bytes;
    return outcome.Rows.empty() ? CodeEntry{} : outcome.Rows.front();
}

std::size_t RowCount(std::string_view bytes, const Prefixes& prefixes)
{
    const ScanOutcome outcome = ScanBytes(bytes, prefixes);
    EXPECT_EQ(outcome.Result, 0u);
    return outcome.Rows.size();
}

TEST(ScannerValues, DecodesTheKnownCodes)
{
    const Prefixes prefixes{"ERROR_", "E_"};
    const CodeEntry success = OnlyRow("#define ERROR_SUCCESS    0L\r\n", prefixes);
    EXPECT_EQ(success.Mnemonic, "ERROR_SUCCESS");
    EXPECT_EQ(success.Code(), "0");
    EXPECT_EQ(success.Facility(), "NULL");
    EXPECT_EQ(success.Severity(), "0");
    EXPECT_EQ(success.ImageIndex, 1);

    const CodeEntry unexpected = OnlyRow("#define E_UNEXPECTED _HRESULT_TYPEDEF_(0x8000FFFFL)\r\n", prefixes);
    EXPECT_EQ(unexpected.Code(), "2147418113");
    EXPECT_EQ(unexpected.Facility(), "NULL");
    EXPECT_EQ(unexpected.Severity(), "1");
    EXPECT_EQ(unexpected.ImageIndex, 2);

    const CodeEntry memory = OnlyRow("#define E_OUTOFMEMORY _HRESULT_TYPEDEF_(0x8007000EL)\r\n", prefixes);
    EXPECT_EQ(memory.Code(), "2147024882");
    EXPECT_EQ(memory.Facility(), "WIN32");

    const CodeEntry warning = OnlyRow("#define ERROR_SEVERITY_WARNING 0x80000000\r\n", prefixes);
    EXPECT_EQ(warning.Code(), "-2147483648");
    EXPECT_EQ(warning.Severity(), "1");

    EXPECT_EQ(OnlyRow("#define E_X ((HRESULT)0x00000000L)\n", prefixes).Code(), "0");
}

TEST(ScannerValues, MinusOneInParentheses)
{
    const CodeEntry row = OnlyRow("#define ERROR_X (-1)\n", Prefixes{"ERROR_"});
    EXPECT_EQ(row.Code(), "1");
    EXPECT_EQ(row.Severity(), "1");
    EXPECT_EQ(row.Facility(), "UNKNOWN_?");
}

TEST(ScannerValues, NumbersStartAtATokenOnly)
{
    const Prefixes prefixes{"ERROR_", "E_"};
    EXPECT_EQ(RowCount("#define E_NOT_SUFFICIENT_BUFFER HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)\n", prefixes), 0u)
        << "the 32 of WIN32 is part of a word";
    EXPECT_EQ(RowCount("#define ERROR_X ERROR_Y\n", prefixes), 0u);
    EXPECT_EQ(OnlyRow("#define ERROR_X MAKE(X_2, 7)\n", prefixes).Code(), "7");
    EXPECT_EQ(OnlyRow("#define ERROR_X\t5\n", prefixes).Code(), "5");
}

TEST(ScannerValues, LoneMinusIsNotANumber)
{
    EXPECT_EQ(OnlyRow("#define ERROR_X (ERROR_BASE - 3)\n", Prefixes{"ERROR_"}).Code(), "3");
    EXPECT_EQ(RowCount("#define ERROR_X (A - B)\n", Prefixes{"ERROR_"}), 0u);
}

TEST(ScannerValues, DecimalAndHexadecimalForms)
{
    const Prefixes prefixes{"ERROR_"};
    EXPECT_EQ(OnlyRow("#define ERROR_X 5L\n", prefixes).Code(), "5");
    EXPECT_EQ(OnlyRow("#define ERROR_X 0777\n", prefixes).Code(), "777");
    EXPECT_EQ(OnlyRow("#define ERROR_X 0XffL\n", prefixes).Code(), "255");
    const CodeEntry negativeHex = OnlyRow("#define ERROR_X -0x10\n", prefixes);
    EXPECT_EQ(negativeHex.Code(), "16");
    EXPECT_EQ(negativeHex.Severity(), "1");
    EXPECT_EQ(OnlyRow("#define ERROR_X 0x)\n", prefixes).Code(), "0") << "0x without digits is the 0";
}

TEST(ScannerValues, NumbersPast32BitsKeepTheLow32Bits)
{
    const Prefixes prefixes{"ERROR_"};
    const CodeEntry decimal = OnlyRow("#define ERROR_X 3221225477\n", prefixes);
    EXPECT_EQ(decimal.Code(), "1073741819") << "3221225477 is 0xC0000005";
    EXPECT_EQ(decimal.Severity(), "1");
    EXPECT_EQ(OnlyRow("#define ERROR_X 0x1C0000005\n", prefixes).Code(), "1073741819");
    EXPECT_EQ(OnlyRow("#define ERROR_X 4294967296\n", prefixes).Code(), "0");
}

TEST(ScannerLineForm, SpacesTabsAndTheDefineWord)
{
    const Prefixes prefixes{"ERROR_"};
    EXPECT_EQ(RowCount("   #define ERROR_X 5\n", prefixes), 1u);
    EXPECT_EQ(RowCount("\t#define ERROR_X 5\n", prefixes), 0u);
    EXPECT_EQ(RowCount("#define\tERROR_X 5\n", prefixes), 0u);
    EXPECT_EQ(RowCount("# define ERROR_X 5\n", prefixes), 1u);
    EXPECT_EQ(RowCount("#   define   ERROR_X 5\n", prefixes), 1u);
    EXPECT_EQ(RowCount("#DEFINE ERROR_X 5\n", prefixes), 0u);
    EXPECT_EQ(RowCount("//#define ERROR_X 5\n", prefixes), 0u);
    EXPECT_EQ(RowCount("#define ERROR_X\n", prefixes), 0u);
    EXPECT_EQ(RowCount("#define\n", prefixes), 0u);
    EXPECT_EQ(OnlyRow("#defineERROR_X 5\n", prefixes).Mnemonic, "ERROR_X");
}

TEST(ScannerLineForm, PrefixesMatchWithoutCaseAndOnlyWhenSelected)
{
    EXPECT_EQ(OnlyRow("#define ERROR_FILE_NOT_FOUND 2L\n", Prefixes{"error_"}).Mnemonic, "ERROR_FILE_NOT_FOUND");
    EXPECT_EQ(OnlyRow("#define error_file 2L\n", Prefixes{"ERROR_"}).Mnemonic, "error_file");

    Prefixes unselected{"ERROR_", "E_"};
    unselected.Selected[0] = 0;
    EXPECT_EQ(RowCount("#define ERROR_X 5\n#define E_X 6\n", unselected), 1u);
}

TEST(ScannerLineForm, TwoMatchingPrefixesGiveOneRow)
{
    const CodeEntry row = OnlyRow("#define E_NOTIMPL 0x80004001L\n", Prefixes{"E_", "E_NOT"});
    EXPECT_EQ(row.Mnemonic, "E_NOTIMPL");
    EXPECT_EQ(row.Code(), "2147467263");
}

TEST(ScannerLineForm, NulByteEndsTheLine)
{
    using namespace std::string_literals;
    EXPECT_EQ(RowCount("x\n#define ERROR_X\0 5\n"s, Prefixes{"ERROR_"}), 0u);
    EXPECT_EQ(OnlyRow("x\n#define ERROR_X 5\0 junk 7\n"s, Prefixes{"ERROR_"}).Code(), "5");
}

TEST(ScannerRowFields, CountsPathAndPositions)
{
    const TempFolder folder;
    const std::string path = folder.Write("codes.h", "// codes\r\n#define ERROR_A 1\r\n\r\n#define ERROR_B 2\r\n");
    const ScanOutcome outcome = Scan(path, Prefixes{"ERROR_"});
    ASSERT_EQ(outcome.Result, 0u);
    ASSERT_EQ(outcome.Rows.size(), 2u);
    const CodeEntry& second = outcome.Rows[1];
    EXPECT_EQ(second.Mnemonic, "ERROR_B");
    EXPECT_EQ(second.N(), "2");
    EXPECT_EQ(second.Header(), path);
    EXPECT_EQ(second.Line(), "4");
    EXPECT_EQ(second.LineOffset(), "31");
    EXPECT_EQ(second.LineLength(), "18") << "17 characters and one for the CR LF";
}

TEST(ScannerRowFields, SameNameInTwoHeadersAndNRestarts)
{
    const TempFolder folder;
    const std::string first = folder.Write("a.h", "#define ERROR_A 1\n#define ERROR_SAME 7\n");
    const std::string second = folder.Write("b.h", "\n\n#define ERROR_SAME 7\n");
    const Prefixes prefixes{"ERROR_"};
    const ScanOutcome a = Scan(first, prefixes);
    const ScanOutcome b = Scan(second, prefixes);
    ASSERT_EQ(a.Rows.size(), 2u);
    ASSERT_EQ(b.Rows.size(), 1u);
    EXPECT_EQ(a.Rows[1].N(), "2");
    EXPECT_EQ(a.Rows[1].Line(), "2");
    EXPECT_EQ(a.Rows[1].Header(), first);
    EXPECT_EQ(b.Rows[0].N(), "1");
    EXPECT_EQ(b.Rows[0].Line(), "3");
    EXPECT_EQ(b.Rows[0].Header(), second);
}

TEST(ScannerResults, FailuresGiveTheirCodes)
{
    const TempFolder folder;
    const std::string path = folder.Write("a.h", "#define ERROR_A 1\n");
    const Prefixes none{};
    EXPECT_EQ(Scan(path, none).Result, 1u);
    EXPECT_EQ(Scan(folder.Path().string() + "/missing.h", none).Result, 1u) << "the prefixes are checked first";

    const ScanOutcome missing = Scan(folder.Path().string() + "/missing.h", Prefixes{"ERROR_"});
    EXPECT_EQ(missing.Result, ERROR_FILE_NOT_FOUND);
    const ScanOutcome directory = Scan(folder.Path().string(), Prefixes{"ERROR_"});
    EXPECT_EQ(directory.Result, ERROR_ACCESS_DENIED);
    EXPECT_TRUE(directory.Rows.empty());
}

TEST(ScannerResults, NoFlagsMeansNoPrefixTakesPart)
{
    Prefixes prefixes{"ERROR_"};
    prefixes.Selected.clear();
    const ScanOutcome outcome = ScanBytes("#define ERROR_A 1\n", prefixes);
    EXPECT_EQ(outcome.Result, 0u);
    EXPECT_TRUE(outcome.Rows.empty());
}

} // namespace
