// vantrel-lookup --annotate, --text and --lang as a user runs them: the
// log's text kept byte for byte, the files that cannot be read, standard
// input, and the languages side by side.
#include "cli/LookupRun.h"

#include <gtest/gtest.h>

#include <set>

#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

namespace {

std::string StandInIn(DWORD code, CodeFamily family, std::uint16_t language)
{
    if (code != 5 || family != CodeFamily::Win32)
        return {};
    return language == 0x0407 ? "Zugriff verweigert.\r\n" : language == 0x0409 ? "Access denied.\r\n" : "";
}

class Annotate : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Made()); }

    LookupRun Run(const std::vector<std::string>& args, int input = 0)
    {
        std::ostringstream out;
        std::ostringstream err;
        LookupRun run;
        run.Status =
            RunLookup(args, LookupPlaces{folder.File("vantrel.dat"), input}, StandInMessage, out, err, StandInIn);
        run.Out = out.str();
        run.Err = err.str();
        return run;
    }

    TempFolder folder;
};

// The output without the lines the annotation added.
std::string WithoutAnnotations(const std::string& out)
{
    std::string text;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("    >> "))
            text += line + '\n';
    }
    return text;
}

TEST_F(Annotate, KeepsTheTextAndPutsEachCodeUnderItsLine)
{
    const std::string log = "start\r\nfailed: error 5, hr=0x80070005\r\nno code 2023-11-05\nlast E_ACCESSDENIED";
    WriteBytes(folder.File("a.log"), log);
    const LookupRun run = Run({"--annotate", folder.File("a.log")});
    ASSERT_EQ(run.Status, kLookupFound) << run.Err;
    EXPECT_EQ(WithoutAnnotations(run.Out),
              "start\r\nfailed: error 5, hr=0x80070005\r\nno code 2023-11-05\nlast E_ACCESSDENIED\n");
    EXPECT_NE(run.Out.find("hr=0x80070005\r\n    >> 5  ERROR_ACCESS_DENIED  (Win32)  Access denied.\n"
                           "    >> 0x80070005  E_ACCESSDENIED"),
              std::string::npos)
        << run.Out;

    WriteBytes(folder.File("none.log"), "no code\nat all");
    EXPECT_EQ(Run({"--annotate", folder.File("none.log")}).Out, "no code\nat all")
        << "nothing added, not even a line end";
}

TEST_F(Annotate, NamesAFileThatCannotBeReadAndReadsTheOthers)
{
    WriteBytes(folder.File("a.log"), "error 5\n");
    const LookupRun run =
        Run({"--annotate", "--json", folder.File("missing.log"), folder.File("a.log"), folder.File(".")});
    EXPECT_EQ(run.Status, kLookupFailed);
    EXPECT_NE(run.Err.find("\"" + folder.File("missing.log") + "\": No such file or directory"), std::string::npos)
        << run.Err;
    EXPECT_NE(run.Err.find("\"" + folder.File(".") + "\": Is a directory"), std::string::npos) << run.Err;
    std::istringstream lines(run.Out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);)
        objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 3u) << run.Out;
    EXPECT_EQ(objects[1]["file"], folder.File("a.log"));
    EXPECT_EQ(objects[1]["line"], 1);
    EXPECT_EQ(objects[1]["column"], 7);
    EXPECT_EQ(objects[1]["reading"], "decimal");
    EXPECT_EQ(objects[1]["report"]["value"]["value"], "0x00000005");
}

TEST_F(Annotate, ReadsStandardInputWithoutAFileOrForADash)
{
    int pipeEnds[2];
#ifdef _WIN32
    ASSERT_EQ(::_pipe(pipeEnds, 4096, _O_BINARY), 0);
#else
    ASSERT_EQ(::pipe(pipeEnds), 0);
#endif
    ASSERT_EQ(::write(pipeEnds[1], "code 5\n", 7), 7);
    ::close(pipeEnds[1]);
    const LookupRun run = Run({"--annotate", "-"}, pipeEnds[0]);
    ::close(pipeEnds[0]);
    EXPECT_EQ(run.Status, kLookupFound) << run.Err;
    EXPECT_TRUE(run.Out.starts_with("code 5\n    >> 5  ERROR_ACCESS_DENIED")) << run.Out;
}

TEST_F(Annotate, TextFindsCodesByNameOrMessageAndNtStatusByItsWin32Text)
{
    const LookupRun run = Run({"--json", "--lang", "en", "--text", "ACCESS denied"});
    ASSERT_EQ(run.Status, kLookupFound) << run.Err;
    std::set<std::string> names;
    const nlohmann::json document = run.Json();
    for (const auto& match : document["matches"])
        names.insert(match["name"].get<std::string>());
    for (const char* name :
         {"ERROR_ACCESS_DENIED", "E_ACCESSDENIED", "STATUS_ACCESS_DENIED", "STATUS_INVALID_LOCK_SEQUENCE"})
        EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(Run({"--text", "no code says this"}).Status, kLookupNotFound);
}

TEST_F(Annotate, LangGivesEachLanguagesTextSideBySide)
{
    const LookupRun run = Run({"--lang", "de,en", "5"});
    EXPECT_NE(run.Out.find("  Message   de: Zugriff verweigert.\n            en: Access denied.\n"), std::string::npos)
        << run.Out;
    const nlohmann::json messages = Run({"--json", "--lang", "de,en", "5"}).Json()["terms"][0]["value"]["messages"];
    EXPECT_EQ(messages, (nlohmann::json{{{"language", "de"}, {"message", "Zugriff verweigert.\r\n"}},
                                        {{"language", "en"}, {"message", "Access denied.\r\n"}}}));
    EXPECT_EQ(Run({"--lang", "de,xx", "5"}).Status, kLookupFailed);
}

} // namespace
