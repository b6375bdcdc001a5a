// The scan of the real mingw-w64 winerror.h with the default prefixes.
#include "scan_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const char* const kWinError = "/usr/share/mingw-w64/include/winerror.h";

class WinErrorScan : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!std::filesystem::exists(kWinError))
            return;
        outcome_ = new ScanOutcome(Scan(kWinError, DefaultPrefixes()));
        std::ifstream in(kWinError, std::ios::binary | std::ios::ate);
        bytes_ = new std::string(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes_->data(), static_cast<std::streamsize>(bytes_->size()));
    }
    static void TearDownTestSuite()
    {
        delete outcome_;
        delete bytes_;
        outcome_ = nullptr;
        bytes_ = nullptr;
    }
    void SetUp() override
    {
        if (outcome_ == nullptr)
            GTEST_SKIP() << kWinError << " is not installed";
    }

    // Line number and byte offset of the line that starts "#define NAME ",
    // found line by line with std::getline.
    static std::pair<int, std::size_t> Declaration(const std::string& name)
    {
        std::ifstream in(kWinError, std::ios::binary);
        std::string line;
        std::size_t offset = 0;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.rfind("#define " + name + " ", 0) == 0)
                return {number, offset};
            offset += line.size() + 1;
        }
        return {0, 0};
    }

    static const CodeEntry* Row(const std::string& name)
    {
        for (const CodeEntry& row : outcome_->Rows) {
            if (row.Mnemonic == name)
                return &row;
        }
        return nullptr;
    }

    static ScanOutcome* outcome_;
    static std::string* bytes_;
};

ScanOutcome* WinErrorScan::outcome_ = nullptr;
std::string* WinErrorScan::bytes_ = nullptr;

TEST_F(WinErrorScan, KnownCodes)
{
    ASSERT_EQ(outcome_->Result, 0u);
    struct Known {
        const char* name;
        const char* code;
        const char* facility;
        const char* severity;
    };
    const Known known[] = {
        {"ERROR_SUCCESS", "0", "NULL", "0"},           {"ERROR_FILE_NOT_FOUND", "2", "NULL", "0"},
        {"ERROR_ACCESS_DENIED", "5", "NULL", "0"},     {"RPC_S_INVALID_STRING_BINDING", "1700", "NULL", "0"},
        {"E_UNEXPECTED", "2147418113", "NULL", "1"},   {"E_NOTIMPL", "2147467263", "NULL", "1"},
        {"E_OUTOFMEMORY", "2147024882", "WIN32", "1"}, {"CO_E_NOTINITIALIZED", "2147221008", "ITF", "1"},
        {"NTE_BAD_UID", "2146893823", "SSPI", "1"},    {"SPAPI_E_EXPECTED_SECTION_NAME", "2146500608", "SETUPAPI", "1"},
    };
    for (const Known& k : known) {
        SCOPED_TRACE(k.name);
        const CodeEntry* row = Row(k.name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Code(), k.code);
        EXPECT_EQ(row->Facility(), k.facility);
        EXPECT_EQ(row->Severity(), k.severity);
        const auto [line, offset] = Declaration(k.name);
        ASSERT_NE(line, 0);
        EXPECT_EQ(row->Line(), std::to_string(line));
        EXPECT_EQ(row->LineOffset(), std::to_string(offset));
    }
    EXPECT_EQ(Row("E_NOT_SUFFICIENT_BUFFER"), nullptr) << "defined through HRESULT_FROM_WIN32";
}

TEST_F(WinErrorScan, EveryRowPointsAtItsDeclaringLine)
{
    ASSERT_GT(outcome_->Rows.size(), 2000u);
    // Rows come in file order, so the line count runs along with them.
    std::size_t counted = 0;
    long newlines = 0;
    for (std::size_t i = 0; i < outcome_->Rows.size(); ++i) {
        const CodeEntry& row = outcome_->Rows[i];
        SCOPED_TRACE(row.Mnemonic);
        const std::size_t offset = std::stoul(row.LineOffset());
        const std::size_t length = std::stoul(row.LineLength());
        ASSERT_TRUE(offset == 0 || (*bytes_)[offset - 1] == '\n');
        ASSERT_LE(offset + length, bytes_->size());
        const std::string line = bytes_->substr(offset, length);
        ASSERT_EQ(line.back(), '\n');
        ASSERT_NE(line.find("#define " + row.Mnemonic + " "), std::string::npos);
        ASSERT_GE(offset, counted);
        newlines +=
            std::count(bytes_->begin() + static_cast<long>(counted), bytes_->begin() + static_cast<long>(offset), '\n');
        counted = offset;
        ASSERT_EQ(row.Line(), std::to_string(newlines + 1));
        ASSERT_EQ(row.N(), std::to_string(i + 1));
        ASSERT_EQ(row.Header(), kWinError);
    }
}

} // namespace
