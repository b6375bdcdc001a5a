// vantrel-lookup over the built-in catalogue: a value taken apart by the
// HRESULT and NTSTATUS rules, each family's meaning of it, and the families
// a run is restricted to.
#include "cli/LookupRun.h"

#include <gtest/gtest.h>

namespace {

class Decoding : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Made()); }

    TempFolder folder;
    LookupPlaces places{folder.File("vantrel.dat")};
};

TEST_F(Decoding, ValuesReadByTheRulesOfEachFamily)
{
    const struct {
        std::vector<std::string> Args;
        int Status;
        const char* Pointer; // into the first term's JSON
        nlohmann::json Expected;
    } cases[] = {
        {{"0x8002802C"}, kLookupFound, "/value/hresult/facility_name", "DISPATCH"},
        {{"0xD0000022"}, kLookupFound, "/value/ntstatus_definitions/0/name", "STATUS_ACCESS_DENIED"},
        {{"0x40010001"}, kLookupFound, "/value/ntstatus/facility_name", "DEBUGGER"},
        {{"0x00000103"}, kLookupFound, "/value/ntstatus/severity_name", "success"},
        {{"80004005"}, kLookupFound, "/values/0/definitions/0/name", "E_FAIL"},
        {{"80004005"}, kLookupFound, "/values/0/read_as", "hexadecimal"},
        {{"1"}, kLookupFound, "/value/meanings_differ", true},
        {{"1"}, kLookupFound, "/value/meanings/1/definitions/0/name", "S_FALSE"},
        {{"1"}, kLookupFound, "/value/meanings/3/family", "directx"},
        {{"--family", "ntstatus", "1"}, kLookupFound, "/value/definitions/0/name", "STATUS_WAIT_1"},
        {{"--family", "win32", "--family", "hresult", "S_FALSE"}, kLookupFound, "/definitions/0/family", "hresult"},
        {{"--family", "win32", "S_FALSE"}, kLookupNotFound, "/found", false},
        {{"0x80040200"}, kLookupNotFound, "/value/interface_defined", true},
        {{"0xC0000005"}, kLookupFound, "/value/meanings/0/message", "Access violation.\r\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--json"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const LookupRun run = RunWith(args, places);
        const std::string term = c.Args.back();
        EXPECT_EQ(run.Status, c.Status) << term << run.Err;
        const nlohmann::json found = run.Json()["terms"][0];
        const nlohmann::json::json_pointer pointer(c.Pointer);
        ASSERT_TRUE(found.contains(pointer)) << term << " " << c.Pointer;
        EXPECT_EQ(found[pointer], c.Expected) << term << " " << c.Pointer;
    }
}

TEST_F(Decoding, UnknownFamilyIsRefusedNamingTheFamilies)
{
    const LookupRun run = RunWith({"--family", "nt", "1"}, places);
    EXPECT_EQ(run.Status, kLookupFailed);
    for (const CodeFamily family : AllFamilies())
        EXPECT_NE(run.Err.find(std::string(FamilyKey(family))), std::string::npos) << FamilyKey(family);
}

} // namespace
