// --annotate over real kinds of log (tests/cli/data/logs): every code a
// reader would look up is marked «so» in the files. The marks are taken
// out, the text annotated, and what was found set against the marks.
#include "cli/LookupRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

namespace {

using Place = std::tuple<std::string, std::uint64_t, std::uint64_t, std::string>; // file, line, column, token

const std::string Open = "\xC2\xAB";  // «
const std::string Close = "\xC2\xBB"; // »

// The text without its marks, and the places the marks gave.
std::string Unmarked(const std::string& name, const std::string& marked, std::set<Place>& expected)
{
    std::string text;
    std::uint64_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < marked.size();) {
        if (marked.compare(i, Open.size(), Open) == 0) {
            const std::size_t end = marked.find(Close, i);
            const std::string token = marked.substr(i + Open.size(), end - i - Open.size());
            expected.emplace(name, line, text.size() - lineStart + 1, token);
            text += token;
            i = end + Close.size();
            continue;
        }
        if (marked[i] == '\n') {
            ++line;
            lineStart = text.size() + 1;
        }
        text += marked[i++];
    }
    return text;
}

TEST(AnnotateCorpus, FindsTheMarkedCodesAndLittleElse)
{
    TempFolder folder;
    ASSERT_TRUE(folder.Made());
    std::set<Place> expected;
    std::set<Place> found;
    for (const auto& entry : std::filesystem::directory_iterator(VANTREL_CLI_DATA "/logs")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string name = entry.path().filename().string();
        const std::string text = Unmarked(name, {std::istreambuf_iterator<char>(in), {}}, expected);
        WriteBytes(folder.File(name), text.c_str());

        const LookupRun run =
            RunWith({"--annotate", "--json", folder.File(name)}, LookupPlaces{folder.File("vantrel.dat")});
        ASSERT_EQ(run.Status, kLookupFound) << run.Err;
        std::istringstream lines(run.Out);
        for (std::string line; std::getline(lines, line);) {
            const nlohmann::json code = nlohmann::json::parse(line);
            found.emplace(name, code["line"], code["column"], code["token"]);
        }
    }
    std::size_t right = 0;
    for (const Place& place : found) {
        if (expected.count(place) != 0)
            ++right;
        else
            std::cout << "not a code: " << std::get<0>(place) << ':' << std::get<1>(place) << ':' << std::get<2>(place)
                      << ' ' << std::get<3>(place) << '\n';
    }
    for (const Place& place : expected) {
        if (found.count(place) == 0)
            std::cout << "missed: " << std::get<0>(place) << ':' << std::get<1>(place) << ':' << std::get<2>(place)
                      << ' ' << std::get<3>(place) << '\n';
    }
    const double precision = found.empty() ? 0 : double(right) / double(found.size());
    const double recall = expected.empty() ? 0 : double(right) / double(expected.size());
    std::cout << "annotate corpus: " << expected.size() << " codes marked, " << found.size() << " found, " << right
              << " right: precision " << precision << ", recall " << recall << '\n';
    EXPECT_GE(precision, 0.95);
    EXPECT_GE(recall, 0.95);
}

} // namespace
