// The search of a log's lines for codes: which words count, by the rules
// of LogCodes.h, over a small vocabulary; and the reading of a log as lines
// whatever the pieces it comes in.
#include "lookup/LogCodes.h"
#include "lookup/LogLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Vocabulary final : public LogCodeVocabulary {
public:
    bool Defined(DWORD value) const override
    {
        return value == 5 || value == 1722 || value == 0x80004005u || value == 0xC0000005u || value == 0x80070005u;
    }
    bool Named(std::string_view name) const override { return name == "E_ACCESSDENIED" || name == "WSAEACCES"; }
};

std::vector<std::string> Tokens(std::string_view line)
{
    std::vector<LogCode> found;
    FindLogCodes(line, Vocabulary(), found);
    std::vector<std::string> tokens;
    for (const LogCode& code : found)
        tokens.emplace_back(line.substr(code.Column, code.Length));
    return tokens;
}

TEST(LogCodes, CountsCodesAndNoOtherNumbers)
{
    using T = std::vector<std::string>;
    const struct {
        const char* Line;
        T Expected;
    } cases[] = {
        {"hr=0x80070005 then 0X5L", {"0x80070005", "0X5L"}},
        {"at 0x7FFE0000, address 0x00007FF6A1B2C3D4, 0x123456789", {}},
        {"ExceptionCode: c0000005 and 80004005, not 20231105 or deadbeef", {"c0000005", "80004005"}},
        {"GUID {c0000005-bfb3-4fe8-b9a5-48fd50a15a9a}", {}},
        {"error 1722. code 5, status 99", {"1722", "5"}},
        {"HRESULT: -2147024891 and -1073741819 (-12)", {"-2147024891", "-1073741819"}},
        {"exit code -2147483648", {}},
        {"version 10.0.19041.1 error 5.3 on 2023-11-05 10:22:33", {}},
        {"main.cpp(123): pid 5, 12 ms, error 5 bytes", {}},
        {"HTTP status code 5; https error 5", {}},
        {"the error code is 5; failed with 5; dwError 5", {"5", "5", "5"}},
        {"E_ACCESSDENIED e_accessdenied WSAEACCES (5) E_ACCESSDENIED_X", {"E_ACCESSDENIED", "WSAEACCES", "5"}},
        {"ntdll!Fail+0x56 and -2147024891/0x80070005", {"-2147024891", "0x80070005"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tokens(c.Line), c.Expected) << c.Line;
}

struct Lines final : LogLineSink {
    std::string text;
    std::vector<std::string> searched;
    void Text(std::string_view bytes) override { text += bytes; }
    void LineEnd(std::uint64_t number, std::string_view part) override
    {
        EXPECT_EQ(number, searched.size() + 1);
        searched.emplace_back(part);
    }
};

TEST(LogLines, PassesTheTextOnAndSearchesEachLineWhateverThePieces)
{
    const std::string log = "one\r\ntwo\n\nlast";
    for (std::size_t piece = 1; piece <= log.size(); ++piece) {
        Lines lines;
        LogLines reader(lines);
        for (std::size_t i = 0; i < log.size(); i += piece)
            reader.Feed(std::string_view(log).substr(i, piece));
        reader.Finish();
        EXPECT_EQ(lines.text, log);
        EXPECT_EQ(lines.searched, (std::vector<std::string>{"one", "two", "", "last"})) << piece;
    }
}

TEST(LogLines, SearchesALongLineUpToItsLastBlankWithinTheLimit)
{
    const std::string start = "error 5 " + std::string(LongestSearchedLine - 12, 'x') + " 0x80070005";
    const std::string line = start + std::string(3 * LongestSearchedLine, 'y') + '\n';
    for (const std::size_t piece : {std::size_t{4096}, line.size()}) {
        Lines lines;
        LogLines reader(lines);
        for (std::size_t i = 0; i < line.size(); i += piece)
            reader.Feed(std::string_view(line).substr(i, piece));
        ASSERT_EQ(lines.searched.size(), 1u);
        EXPECT_EQ(lines.searched[0], start.substr(0, start.rfind(' '))) << "the cut word 0x8007... is left out";
        EXPECT_EQ(lines.text, line);
    }
}

} // namespace
