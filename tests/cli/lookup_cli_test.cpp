// vantrel-lookup: what it finds for values and names, the defines it
// resolves through other names, its exit statuses and its JSON.
#include "cli/LookupRun.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const kCodes =
    "// test codes\r\n"
    "#define ERROR_ACCESS_DENIED 5L\r\n"
    "#define ERROR_OUTOFMEMORY 14L\r\n"
    "#define E_ACCESSDENIED _HRESULT_TYPEDEF_(0x80070005L)\r\n"
    "#define DNS_ERROR_NO_MEMORY ERROR_OUTOFMEMORY\r\n"
    "#define E_NOMEM_WIN32 HRESULT_FROM_WIN32(DNS_CHAIN)\r\n"
    "#define DNS_CHAIN (DNS_ERROR_NO_MEMORY) // an alias of an alias\r\n"
    "#define DNS_LOOP_A DNS_LOOP_B\r\n"
    "#define DNS_LOOP_B DNS_LOOP_A\r\n"
    "#define DNS_UNKNOWN NOT_DEFINED_ANYWHERE\r\n"
    "#define STATUS_ACCESS_VIOLATION ((NTSTATUS)0xC0000005L)\r\n";
const char* const kOther = "#define ERROR_ACCESS_DENIED 5\r\n#define E_\xC9T\xC9 0x1234\r\n";

class Lookup : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Made()); }

    LookupRun Run(std::vector<std::string> args)
    {
        std::vector<std::string> full = {"--header", codes, "--header", other};
        for (const char* prefix : {"ERROR_", "E_", "DNS_", "STATUS_"})
            full.insert(full.end(), {"--prefix", prefix});
        full.insert(full.end(), args.begin(), args.end());
        return RunWith(full, places);
    }

    TempFolder folder;
    LookupPlaces places{folder.File("vantrel.dat")};
    std::string codes = Write("codes.h", kCodes);
    std::string other = Write("other.h", kOther);

private:
    std::string Write(const char* name, const char* bytes)
    {
        WriteBytes(folder.File(name), bytes);
        return folder.File(name);
    }
};

std::vector<std::string> Names(const nlohmann::json& definitions)
{
    std::vector<std::string> names;
    for (const auto& d : definitions)
        names.push_back(d["name"]);
    return names;
}

TEST_F(Lookup, ValueListsEveryDefinitionAndItsWin32Counterpart)
{
    for (const char* term : {"0x80070005", "-2147024891", "2147942405"}) {
        const LookupRun run = Run({"--json", term});
        ASSERT_EQ(run.Status, kLookupFound) << term << run.Err;
        const nlohmann::json value = run.Json()["terms"][0]["value"];
        EXPECT_EQ(value["value"], "0x80070005");
        EXPECT_EQ(value["signed"], -2147024891);
        EXPECT_EQ(value["unsigned"], 2147942405u);
        EXPECT_EQ(value["hresult"]["facility_name"], "WIN32");
        EXPECT_EQ(Names(value["definitions"]), std::vector<std::string>{"E_ACCESSDENIED"});
        EXPECT_EQ(value["win32_code"], 5);
        EXPECT_EQ(Names(value["win32_definitions"]),
                  (std::vector<std::string>{"ERROR_ACCESS_DENIED", "ERROR_ACCESS_DENIED"}));
        EXPECT_EQ(value["message"], "Access denied.\r\n");
    }

    const nlohmann::json five = Run({"--json", "5"}).Json()["terms"][0]["value"];
    EXPECT_EQ(five["definitions"][1]["header"], other);
    EXPECT_EQ(five["hresult_form"], "0x80070005");
    EXPECT_EQ(Names(five["hresult_definitions"]), std::vector<std::string>{"E_ACCESSDENIED"});
    EXPECT_FALSE(five.contains("ntstatus")) << "a success value without an NTSTATUS definition";

    const nlohmann::json status = Run({"--json", "C0000005"}).Json()["terms"][0]["value"];
    EXPECT_EQ(Names(status["definitions"]), std::vector<std::string>{"STATUS_ACCESS_VIOLATION"});
    EXPECT_EQ(status["ntstatus"]["severity_name"], "error");
}

TEST_F(Lookup, AliasesResolveToTheNamedValueMarkedDerived)
{
    const struct {
        const char* Name;
        const char* Value;
        const char* From;
        bool Win32;
    } cases[] = {
        {"DNS_ERROR_NO_MEMORY", "0x0000000E", "ERROR_OUTOFMEMORY", false},
        {"DNS_CHAIN", "0x0000000E", "DNS_ERROR_NO_MEMORY", false},
        {"E_NOMEM_WIN32", "0x8007000E", "DNS_CHAIN", true},
    };
    for (const auto& c : cases) {
        const LookupRun run = Run({"--json", c.Name});
        ASSERT_EQ(run.Status, kLookupFound) << c.Name;
        const nlohmann::json term = run.Json()["terms"][0];
        const nlohmann::json match = term["definitions"][0];
        EXPECT_EQ(term["values"][0]["value"], c.Value) << c.Name;
        EXPECT_EQ(match["derived_from"], c.From) << c.Name;
        EXPECT_EQ(match["from_win32"], c.Win32) << c.Name;
    }
    // The derived codes are listed with the value like any definition, in
    // header and line order.
    const nlohmann::json fourteen = Run({"--json", "14"}).Json()["terms"][0]["value"];
    EXPECT_EQ(Names(fourteen["definitions"]),
              (std::vector<std::string>{"ERROR_OUTOFMEMORY", "DNS_ERROR_NO_MEMORY", "DNS_CHAIN"}));
    EXPECT_EQ(Names(fourteen["hresult_definitions"]), std::vector<std::string>{"E_NOMEM_WIN32"});

    for (const char* unresolved : {"DNS_LOOP_A", "DNS_UNKNOWN"})
        EXPECT_EQ(Run({unresolved}).Status, kLookupNotFound) << unresolved;
}

TEST_F(Lookup, NamesCompareWithoutCaseAndSubstringsFindEveryName)
{
    const nlohmann::json exact = Run({"--json", "error_access_denied"}).Json()["terms"][0];
    EXPECT_EQ(Names(exact["definitions"]), (std::vector<std::string>{"ERROR_ACCESS_DENIED", "ERROR_ACCESS_DENIED"}));
    EXPECT_EQ(Run({"ACCESS"}).Status, kLookupNotFound) << "a part of a name needs --substring";
    const nlohmann::json part = Run({"--json", "--substring", "access"}).Json()["terms"][0];
    EXPECT_EQ(Names(part["definitions"]), (std::vector<std::string>{"ERROR_ACCESS_DENIED", "E_ACCESSDENIED",
                                                                    "STATUS_ACCESS_VIOLATION", "ERROR_ACCESS_DENIED"}));
}

TEST_F(Lookup, ExitStatuses)
{
    const struct {
        std::vector<std::string> Args;
        int Status;
    } cases[] = {
        {{"5", "E_ACCESSDENIED", "--hex", "C0000005"}, kLookupFound},
        {{"--message", "5"}, kLookupFound},
        {{"--scan"}, kLookupFound},
        {{"5", "NO_SUCH_NAME"}, kLookupNotFound},
        {{"0x12345678"}, kLookupNotFound},
        {{"--message", "0x12345678"}, kLookupNotFound},
        {{}, kLookupFailed},
        {{"--bogus", "5"}, kLookupFailed},
        {{"5", "--prefix"}, kLookupFailed},
        {{"--scan", "5"}, kLookupFailed},
        {{"--scan", "--message", "5"}, kLookupFailed},
        {{"--message", "E_ACCESSDENIED"}, kLookupFailed},
    };
    for (const auto& c : cases) {
        const LookupRun run = Run(c.Args);
        std::string args;
        for (const std::string& arg : c.Args)
            args += arg + " ";
        EXPECT_EQ(run.Status, c.Status) << args << run.Err;
        if (c.Status == kLookupFailed) {
            EXPECT_NE(run.Err.find("--help"), std::string::npos) << args;
        }
    }
    EXPECT_EQ(RunWith({"--help"}, places).Status, kLookupFound);
    EXPECT_EQ(RunWith({"--version"}, places).Status, kLookupFound);
}

TEST_F(Lookup, RefusalsAskedForJsonGiveTheErrorAsJsonToo)
{
    const struct {
        std::vector<std::string> Args;
        bool Json;
    } cases[] = {
        {{"--json", "--bogus"}, true},
        {{"--bogus", "--json"}, true},
        {{"--json", "--scan", "5"}, true},
        {{"--json", "--message", "E_ACCESSDENIED"}, true},
        {{"--prefix", "--json", "--bogus"}, false},
        {{"--bogus", "--", "--json"}, false},
    };
    for (const auto& c : cases) {
        const LookupRun run = Run(c.Args);
        EXPECT_EQ(run.Status, kLookupFailed) << run.Err;
        const std::string problem = run.Err.substr(0, run.Err.find('\n')).substr(std::strlen("vantrel-lookup: "));
        if (c.Json)
            EXPECT_EQ(run.Json(), nlohmann::json({{"error", problem}})) << run.Out;
        else
            EXPECT_EQ(run.Out, "") << run.Err;
    }
}

TEST_F(Lookup, NameDefinedManyTimesReportsEachValueOnce)
{
    std::string header;
    for (int i = 0; i < 300; ++i)
        header += "#define ERROR_TWICE 7\r\n";
    header += "#define ERROR_TWICE 8\r\n";
    WriteBytes(folder.File("many.h"), header);
    const std::vector<std::string> args = {"--header", folder.File("many.h"), "--prefix", "ERROR_"};

    std::vector<std::string> json = args;
    json.insert(json.end(), {"--json", "error_twice"});
    const nlohmann::json term = RunWith(json, places).Json()["terms"][0];
    EXPECT_EQ(term["definitions"].size(), 301u);
    ASSERT_EQ(term["values"].size(), 2u);
    EXPECT_EQ(term["values"][0]["definitions"].size(), 300u);
    EXPECT_EQ(term["values"][1]["value"], "0x00000008");

    std::vector<std::string> text = args;
    text.push_back("ERROR_TWICE");
    const std::string out = RunWith(text, places).Out;
    std::size_t blocks = 0;
    for (std::size_t at = out.find("unsigned"); at != std::string::npos; at = out.find("unsigned", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 2u) << "one block for each value";
}

TEST_F(Lookup, EightDigitTermsReportEachReadingThatFindsADefinition)
{
    WriteBytes(folder.File("big.h"), "#define ERROR_BIG 12345678\r\n#define E_BIG 0x12345678\r\n");
    const std::vector<std::string> header = {"--header", folder.File("big.h"), "--json"};
    for (const auto& [term, values] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"12345678", {"0x12345678", "0x00BC614E"}}, {"80004005", {"0x80004005"}}}) {
        std::vector<std::string> args = header;
        args.push_back(term);
        const nlohmann::json report = Run(args).Json()["terms"][0];
        std::vector<std::string> shown;
        for (const auto& value : report["values"])
            shown.push_back(value["value"]);
        EXPECT_EQ(shown, values) << term;
    }
}

TEST_F(Lookup, UnreadableHeaderFailsNamingItAndTheReasonButTheOthersLoad)
{
    const std::string missing = folder.File("missing.h");
    const LookupRun run = Run({"--header", missing, "5"});
    EXPECT_EQ(run.Status, kLookupFailed);
    EXPECT_NE(run.Err.find("\"" + missing + "\""), std::string::npos) << run.Err;
    EXPECT_NE(run.Out.find("ERROR_ACCESS_DENIED"), std::string::npos) << "the other headers still answer";
    const nlohmann::json failed = Run({"--json", "--header", folder.File(""), "5"}).Json()["headers"]["failed"][0];
    EXPECT_NE(failed["detail"].get<std::string>().find("is a folder"), std::string::npos) << failed;
}

TEST_F(Lookup, JsonIsOneValidDocumentInEveryMode)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--json", "5", "E_\xC9T\xC9", "NO_SUCH_NAME"},
                                               {"--json", "--scan"},
                                               {"--json", "--message", "14"},
                                               {"--json", "--substring", "E_"}}) {
        const LookupRun run = Run(args);
        nlohmann::json document;
        ASSERT_NO_THROW(document = run.Json()) << run.Out;
        EXPECT_TRUE(document.is_object());
    }
    const nlohmann::json scan = Run({"--json", "--scan"}).Json();
    EXPECT_EQ(scan["rows"].size(), 6u);
    EXPECT_EQ(scan["headers"]["loaded"].size(), 2u);
    EXPECT_EQ(Run({"--json", "--message", "14"}).Json()["message"], "Out of memory.\r\nTry again.\r\n");
}

TEST_F(Lookup, PlainOutputKeepsTheScanToStdout)
{
    const LookupRun scan = Run({"--scan"});
    EXPECT_EQ(scan.Err, "");
    EXPECT_EQ(scan.Out.substr(0, scan.Out.find('\n')), "ERROR_ACCESS_DENIED\t5\tNULL\t0\t1\t" + codes + "\t2\t15\t31");
    EXPECT_EQ(Run({"--message", "14"}).Out, "Out of memory.\nTry again.\n");
}

} // namespace
