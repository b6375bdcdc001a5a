#include "scan_support.h"

#include "catalogue/ByteSearch.h"
#include "catalogue/HeaderLineReader.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct ExpectedLine {
    std::string Text;
    std::uint64_t Offset;
    std::uint64_t Number;
};

// The text-mode reading done the slow, obvious way: stop at Ctrl+Z, split at
// LF, drop every CR, skip a last line made of CRs alone.
std::vector<ExpectedLine> ReadSlowly(const std::string& bytes)
{
    std::vector<ExpectedLine> lines;
    std::string text;
    std::uint64_t start = 0;
    std::size_t i = 0;
    for (; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        if (bytes[i] != '\r')
            text += bytes[i];
        if (bytes[i] == '\n') {
            lines.push_back({text, start, lines.size() + 1});
            text.clear();
            start = i + 1;
        }
    }
    if (!text.empty())
        lines.push_back({text, start, lines.size() + 1});
    return lines;
}

// Bytes drawn mostly from line ends, so that LFs and CRs fall at every
// position of a 16-byte block and across read chunks.
std::string RandomHeader(std::mt19937& random, std::size_t size)
{
    const char alphabet[] = {'a', 'b', ' ', '#', '\r', '\n', '\r', '\n', 'x', '\t'};
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> longRun(0, 40);
    std::string bytes;
    while (bytes.size() < size) {
        if (longRun(random) == 0)
            bytes.append(static_cast<std::size_t>(longRun(random)) * 7, 'y');
        bytes += alphabet[pick(random)];
    }
    return bytes;
}

std::vector<ExpectedLine> ReadAll(const std::string& path, bool onlyWithHash)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    std::vector<ExpectedLine> lines;
    {
        HeaderLineReader reader(file);
        HeaderLine line{};
        for (bool more = reader.Next(line); more; more = onlyWithHash ? reader.NextWithHash(line) : reader.Next(line))
            lines.push_back({std::string(line.Text, line.Length), line.Offset, line.Number});
        EXPECT_EQ(reader.Error(), 0u);
    }
    CloseHandle(file);
    return lines;
}

void ExpectSameLines(const std::vector<ExpectedLine>& actual, const std::vector<ExpectedLine>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i].Text, expected[i].Text) << "line " << i;
        ASSERT_EQ(actual[i].Offset, expected[i].Offset) << "line " << i;
        ASSERT_EQ(actual[i].Number, expected[i].Number) << "line " << i;
    }
}

TEST(TextModeLines, AgreeWithAPlainReading)
{
    const TempFolder folder;
    std::mt19937 random(20240611);
    for (const std::size_t size :
         {std::size_t(0), std::size_t(1), std::size_t(40), std::size_t(5000), std::size_t(700 * 1024)}) {
        std::string bytes = RandomHeader(random, size);
        if (size == 5000)
            bytes[4000] = '\x1A';
        const std::string path = folder.Write("random.h", bytes);
        const std::vector<ExpectedLine> expected = ReadSlowly(bytes);
        ExpectSameLines(ReadAll(path, false), expected);

        std::vector<ExpectedLine> withHash;
        for (const ExpectedLine& line : expected) {
            if (line.Number == 1 || line.Text.find('#') != std::string::npos)
                withHash.push_back(line);
        }
        ExpectSameLines(ReadAll(path, true), withHash);
    }
}

TEST(TextModeLines, ByteSearchAtEveryAlignment)
{
    for (std::size_t at = 0; at < 40; ++at) {
        std::string bytes(48, 'a');
        bytes[at] = '\n';
        if (at > 0)
            bytes[at - 1] = '\r';
        const LineEnd end = FindLineEnd(bytes.data(), bytes.data() + bytes.size());
        ASSERT_EQ(end.Lf, bytes.data() + at);
        ASSERT_EQ(end.CarriageReturns, at > 0 ? 1u : 0u);

        std::string hashed(48, 'a');
        std::size_t lineFeedsBefore = 0;
        for (std::size_t i = 0; i < at; i += 3, ++lineFeedsBefore)
            hashed[i] = '\n';
        hashed[at] = '#';
        hashed[47] = '\n';
        std::size_t lineFeeds = 0;
        ASSERT_EQ(FindHash(hashed.data(), hashed.data() + hashed.size(), lineFeeds), hashed.data() + at);
        ASSERT_EQ(lineFeeds, lineFeedsBefore) << at;
    }
    std::string plain(100000, 'a');
    for (std::size_t i = 0; i < plain.size(); i += 7)
        plain[i] = '\n';
    std::size_t lineFeeds = 0;
    EXPECT_EQ(FindHash(plain.data(), plain.data() + plain.size(), lineFeeds), nullptr);
    EXPECT_EQ(lineFeeds, (plain.size() + 6) / 7) << "more than 255 blocks of LFs";
}

} // namespace
