// The message tables of WinInet and Media Foundation beside the system's:
// read by the program itself on Linux, by FormatMessageW on Windows (Wine's
// under the tests), and held against the program's table reader over the
// same DLL file, for every code of the module's family in the catalogue.
#include "scoped_locale.h"

#include "lookup/BuiltInCatalogue.h"
#include "platform/message_format.h"
#include "platform/message_language.h"
#include "platform/message_table_set.h"
#include "platform/module_message_utf8.h"
#include "platform/system_message_utf8.h"
#ifndef _WIN32
#include "platform/linux/message_system_tables.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// The DLL file the module's texts come from, or nothing.
std::string ModuleFile(MessageModule module)
{
#ifdef _WIN32
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(folder) + "\\" + MessageModuleDll(module);
#else
    for (const std::string& path : WineDllPaths(MessageModuleDll(module))) {
        if (std::filesystem::exists(path))
            return path;
    }
    return {};
#endif
}

class ModuleMessage : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const MessageModule module : {MessageModule::WinInet, MessageModule::MediaFoundation}) {
            if (MessageTableSet::FromFile(ModuleFile(module)).Empty())
                GTEST_SKIP() << "no " << MessageModuleDll(module) << " with a message table on this machine";
        }
    }
    ScopedLocale locale{"en_US.UTF-8"};
};

TEST_F(ModuleMessage, EachModuleReadsItsOwnTableOnly)
{
    const struct {
        MessageModule module;
        DWORD id;
        bool found;
    } cases[] = {
        {MessageModule::WinInet, 12007, true},           // ERROR_INTERNET_NAME_NOT_RESOLVED
        {MessageModule::WinInet, 0x80072EE7, false},     // its HRESULT: no folding outside the system
        {MessageModule::WinInet, 5, false},              // the system's, not WinInet's
        {MessageModule::MediaFoundation, 0xC00D36B2, true}, // MF_E_INVALIDREQUEST
        {MessageModule::MediaFoundation, 12007, false},
        {MessageModule::System, 12007, false},
    };
    for (const auto& c : cases) {
        const std::string text = ModuleMessageUtf8(c.module, c.id);
        EXPECT_EQ(!text.empty(), c.found) << MessageModuleDll(c.module) << " " << std::hex << c.id << ": " << text;
        if (c.found) {
            EXPECT_EQ(text.find("\r\n"), text.size() - 2) << "one line, CR LF at its end: " << text;
        }
    }
    for (const DWORD id : {0u, 2u, 5u, 193u, 0x80070005u, 0x00012345u})
        EXPECT_EQ(ModuleMessageUtf8(MessageModule::System, id), SystemMessageUtf8(id)) << id;
}

TEST_F(ModuleMessage, EveryCatalogueCodeOfTheFamilyReadsAsTheTableHoldsIt)
{
    const struct {
        MessageModule module;
        CodeFamily family;
    } modules[] = {{MessageModule::WinInet, CodeFamily::WinInet},
                   {MessageModule::MediaFoundation, CodeFamily::MediaFoundation}};
    for (const auto& m : modules) {
        const MessageTableSet tables = MessageTableSet::FromFile(ModuleFile(m.module));
        const MessageTable* table = tables.ForUser(UserLanguageFromEnvironment());
        ASSERT_NE(table, nullptr);
        int found = 0;
        for (const BuiltInCode& code : BuiltInCodes()) {
            if (code.Family != m.family)
                continue;
            const std::u16string* stored = table->Find(code.Value);
            const std::string expected = stored ? FormatMessageTextUtf8(*stored, true).text : std::string();
            EXPECT_EQ(ModuleMessageUtf8(m.module, code.Value), expected) << BuiltInName(code);
            found += stored != nullptr;
        }
        EXPECT_GT(found, 5) << MessageModuleDll(m.module);
    }
}

#ifndef _WIN32 // the language is the environment's only where the program reads the table itself
TEST_F(ModuleMessage, TextIsInTheUsersLanguage)
{
    const std::string english = ModuleMessageUtf8(MessageModule::WinInet, 12007);
    ScopedLocale german("de_DE.UTF-8");
    EXPECT_NE(ModuleMessageUtf8(MessageModule::WinInet, 12007), english);
    EXPECT_FALSE(ModuleMessageUtf8(MessageModule::WinInet, 12007).empty());
}
#endif

} // namespace
