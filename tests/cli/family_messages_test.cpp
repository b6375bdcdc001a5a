// The codes users meet most, looked up as the installed program does: the
// built-in catalogue and the real message tables (Wine's DLLs), each code
// with its names and, where one of the tables holds it, a text.
#include "cli/FamilyMessages.h"
#include "cli/LookupRun.h"
#include "platform/module_message_utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(FamilyMessages, EveryCodeUsersMeetHasItsNamesAndText)
{
    if (ModuleMessageUtf8(MessageModule::System, 5).empty() || ModuleMessageUtf8(MessageModule::WinInet, 12007).empty())
        GTEST_SKIP() << "no message tables of Wine on this machine (package libwine)";
    TempFolder folder;
    ASSERT_TRUE(folder.Made());
    const struct {
        const char* Term;
        const char* Name;   // among the value's definitions or its counterpart's
        const char* InText; // in the report's message, where a table holds one
    } cases[] = {
        {"0xC0000005", "STATUS_ACCESS_VIOLATION", "ERROR_NOACCESS"},
        {"0x80072EE7", "ERROR_INTERNET_NAME_NOT_RESOLVED", "server name"},
        {"0x8876086C", "D3DERR_INVALIDCALL", ""},
        {"S_FALSE", "S_FALSE", ""},
        {"WSAECONNREFUSED", "WSAECONNREFUSED", "refused"},
        {"0x80090308", "SEC_E_INVALID_TOKEN", ""},
        {"0xD0000022", "STATUS_ACCESS_DENIED", "ERROR_ACCESS_DENIED"},
        {"0x8002802C", "TYPE_E_AMBIGUOUSNAME", ""},
        {"80004005", "E_FAIL", "Call failed"},
        {"0xC00D36B2", "MF_E_INVALIDREQUEST", "Invalid request"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunLookup({c.Term}, LookupPlaces{folder.File("vantrel.dat")}, FamilyMessage, out, err);
        EXPECT_EQ(status, kLookupFound) << c.Term << err.str();
        EXPECT_NE(out.str().find(std::string(c.Name) + "  "), std::string::npos) << c.Term << "\n" << out.str();
        EXPECT_NE(out.str().find(c.InText), std::string::npos) << c.Term << "\n" << out.str();
    }
    EXPECT_EQ(FamilyMessage(1, CodeFamily::HResult), "") << "S_FALSE is no Win32 code";
    // Wine's table holds German beside English: each language alone, and
    // none that the table lacks.
    EXPECT_EQ(FamilyMessageIn(5, CodeFamily::Win32, 0x0409), "Access denied.\r\n");
    EXPECT_EQ(FamilyMessageIn(5, CodeFamily::Win32, 0x0407), "Zugriff verweigert.\r\n");
    EXPECT_EQ(FamilyMessageIn(0xC0000022u, CodeFamily::NtStatus, 0x0407).rfind("Zugriff verweigert.", 0), 0u);
    EXPECT_EQ(FamilyMessageIn(5, CodeFamily::Win32, 0x0439), "") << "no Hindi table";
    EXPECT_EQ(FamilyMessage(0, CodeFamily::HResult), FamilyMessage(0, CodeFamily::Win32)) << "S_OK is ERROR_SUCCESS";
}

} // namespace
