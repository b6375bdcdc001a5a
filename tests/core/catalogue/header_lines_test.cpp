#include "scan_support.h"
#include "core/fault_hooks.h"

#include "platform/file_faults.h"
#include "platform/memory_faults.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const Prefixes& ErrorPrefix()
{
    static const Prefixes prefixes{"ERROR_"};
    return prefixes;
}

TEST(ScannerLineNumbers, PhysicalLinesCountFromOne)
{
    std::string header = "#define ERROR_FIRST 1\n";
    for (int line = 2; line < 10; ++line)
        header += "// filler\n";
    header += "#define ERROR_TENTH 10\n";
    const ScanOutcome outcome = ScanBytes(header, ErrorPrefix());
    ASSERT_EQ(outcome.Rows.size(), 2u);
    EXPECT_EQ(outcome.Rows[0].Line(), "1");
    EXPECT_EQ(outcome.Rows[1].Line(), "10");
}

TEST(ScannerLineNumbers, LongLineIsOneLine)
{
    // A define in the middle of a long line is no line start, and the line
    // after it keeps its number.
    const std::string longLine = "// " + std::string(1100, 'x') + " #define ERROR_HIDDEN 3\n";
    const std::string header = "// top\n" + longLine + "#define ERROR_AFTER 4\n";
    const ScanOutcome outcome = ScanBytes(header, ErrorPrefix());
    ASSERT_EQ(outcome.Rows.size(), 1u);
    EXPECT_EQ(outcome.Rows[0].Mnemonic, "ERROR_AFTER");
    EXPECT_EQ(outcome.Rows[0].Line(), "3");
    EXPECT_EQ(outcome.Rows[0].LineOffset(), std::to_string(7 + longLine.size()));
}

TEST(ScannerLineNumbers, LongDefineLineYieldsItsRow)
{
    const std::string line = "#define ERROR_LONG 9 // " + std::string(3000, 'y') + "\r\n";
    const CodeEntry row = ScanBytes("x\n" + line, ErrorPrefix()).Rows.at(0);
    EXPECT_EQ(row.Line(), "2");
    EXPECT_EQ(row.LineLength(), std::to_string(line.size() - 1));
}

TEST(ScannerLineOffsets, EveryLineEndStyle)
{
    const std::string header = "x\r\n#define ERROR_A 1\n\r\n#define ERROR_B 2\r\n\n#define ERROR_C 3";
    const ScanOutcome outcome = ScanBytes(header, ErrorPrefix());
    ASSERT_EQ(outcome.Rows.size(), 3u);
    EXPECT_EQ(outcome.Rows[0].LineOffset(), "3");
    EXPECT_EQ(outcome.Rows[0].LineLength(), "18");
    EXPECT_EQ(outcome.Rows[1].LineOffset(), "23");
    EXPECT_EQ(outcome.Rows[1].LineLength(), "18");
    EXPECT_EQ(outcome.Rows[2].LineOffset(), "43");
    EXPECT_EQ(outcome.Rows[2].LineLength(), "17") << "the last line has no line end";
    EXPECT_EQ(outcome.Rows[2].Line(), "6");
}

TEST(ScannerLineOffsets, StrayCarriageReturnsAreDropped)
{
    const CodeEntry row = ScanBytes("x\n#define ERROR_\rA 1\r\r\n", ErrorPrefix()).Rows.at(0);
    EXPECT_EQ(row.Mnemonic, "ERROR_A");
    EXPECT_EQ(row.LineOffset(), "2");
    EXPECT_EQ(row.LineLength(), "18");
}

TEST(ScannerLineOffsets, LinesAcrossReadChunks)
{
    // Enough lines to span several reads, with CR LF and LF mixed, so that
    // some lines straddle a chunk boundary.
    std::string header;
    std::vector<std::size_t> offsets;
    for (int i = 0; header.size() < 700 * 1024; ++i) {
        offsets.push_back(header.size());
        header += "#define ERROR_" + std::to_string(i) + " " + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
    }
    const ScanOutcome outcome = ScanBytes(header, ErrorPrefix());
    ASSERT_EQ(outcome.Rows.size(), offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        ASSERT_EQ(outcome.Rows[i].LineOffset(), std::to_string(offsets[i])) << i;
        ASSERT_EQ(outcome.Rows[i].Code(), std::to_string(i));
    }
}

TEST(ScannerLineOffsets, LineLongerThanTheReadBuffer)
{
    const std::string header = "x\n// " + std::string(600 * 1024, 'z') + "\r\n#define ERROR_END 1\n";
    const CodeEntry row = ScanBytes(header, ErrorPrefix()).Rows.at(0);
    EXPECT_EQ(row.Line(), "3");
    EXPECT_EQ(row.LineOffset(), std::to_string(header.size() - 20));
}

TEST(ScannerEndOfFile, CtrlZEndsTheScan)
{
    const ScanOutcome outcome =
        ScanBytes("#define ERROR_A 1\n#define ERROR_B 2\x1A\n#define ERROR_C 3\n", ErrorPrefix());
    EXPECT_EQ(outcome.Result, 0u);
    ASSERT_EQ(outcome.Rows.size(), 2u);
    EXPECT_EQ(outcome.Rows[1].Mnemonic, "ERROR_B");
    EXPECT_EQ(outcome.Rows[1].LineLength(), "17");
}

TEST(ScannerTextCheck, FirstLineDecides)
{
    EXPECT_EQ(ScanBytes("", ErrorPrefix()).Result, ERROR_INVALID_DATA);
    EXPECT_EQ(ScanBytes("\x1A#define ERROR_A 1\n", ErrorPrefix()).Result, ERROR_INVALID_DATA);
    EXPECT_EQ(ScanBytes("\r\r", ErrorPrefix()).Result, ERROR_INVALID_DATA);
    const ScanOutcome control = ScanBytes("\x01\n#define ERROR_A 1\n", ErrorPrefix());
    EXPECT_EQ(control.Result, ERROR_INVALID_DATA);
    EXPECT_TRUE(control.Rows.empty());
    EXPECT_EQ(ScanBytes("\xEF\xBB\xBF#define ERROR_A 1\n", ErrorPrefix()).Result, ERROR_INVALID_DATA)
        << "a UTF-8 byte order mark";
    EXPECT_EQ(ScanBytes(std::string("\0\x01\n", 3), ErrorPrefix()).Result, 0u)
        << "the first line is checked up to its first NUL";

    EXPECT_EQ(ScanBytes("// caf\xE9\t\r\n\x01\n#define ERROR_A 1\n", ErrorPrefix()).Rows.size(), 1u)
        << "accented letters pass, and only the first line is checked";
    EXPECT_EQ(ScanBytes("// " + std::string(1020, 'x') + "\x01\n", ErrorPrefix()).Result, 0u)
        << "only the first 1023 characters of the first line are checked";
}

TEST(ScannerFailures, ReadOrMemoryFailureHandsOnNothing)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    const TempFolder folder;
    std::string header = "#define ERROR_A 1\n";
    header += std::string(600 * 1024, '\n');
    const std::string path = folder.Write("big.h", header);

    FileFaults::FailNth(FileOp::Read, 2, ERROR_READ_FAULT);
    const ScanOutcome read = Scan(path, ErrorPrefix());
    FileFaults::Reset();
    EXPECT_EQ(read.Result, ERROR_READ_FAULT);
    EXPECT_TRUE(read.Rows.empty());

    MemoryFaults::FailNth(1);
    const ScanOutcome memory = Scan(path, ErrorPrefix());
    MemoryFaults::Reset();
    EXPECT_EQ(memory.Result, ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_TRUE(memory.Rows.empty());
}

} // namespace
