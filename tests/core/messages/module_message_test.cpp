// WinInet's and Media Foundation's tables, read by the program on Linux and by
// FormatMessageW on Windows (Wine's under the tests), against the program's
// table reader over the same file for every code of the family.
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

namespace {

MessageTableSet TablesOf(MessageModule module)
{
#ifdef _WIN32
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return MessageTableSet::FromFile(std::string(folder) + "\\" + MessageModuleDll(module));
#else
    for (const std::string& path : WineDllPaths(MessageModuleDll(module))) {
        if (std::filesystem::exists(path))
            return MessageTableSet::FromFile(path);
    }
    return {};
#endif
}

TEST(ModuleMessage, EachModuleGivesItsOwnTablesTextForEveryCodeOfItsFamily)
{
    ScopedLocale english("en_US.UTF-8");
    const struct {
        MessageModule module;
        CodeFamily family;
        DWORD present, absent;
    } modules[] = {{MessageModule::WinInet, CodeFamily::WinInet, 12007, 0x80072EE7}, // no HRESULT folding
                   {MessageModule::MediaFoundation, CodeFamily::MediaFoundation, 0xC00D36B2, 12007}};
    for (const auto& m : modules) {
        const MessageTableSet tables = TablesOf(m.module);
        if (tables.Empty())
            GTEST_SKIP() << "no " << MessageModuleDll(m.module) << " with a message table on this machine";
        const MessageTable* table = tables.ForUser(UserLanguageFromEnvironment());
        for (const BuiltInCode& code : BuiltInCodes()) {
            const std::u16string* stored = code.Family == m.family ? table->Find(code.Value) : nullptr;
            const std::string expected = stored ? FormatMessageTextUtf8(*stored, true).text : std::string();
            EXPECT_TRUE(stored == nullptr || ModuleMessageUtf8(m.module, code.Value) == expected) << BuiltInName(code);
        }
        EXPECT_FALSE(ModuleMessageUtf8(m.module, m.present).empty());
        EXPECT_EQ(ModuleMessageUtf8(m.module, m.absent), "");
        EXPECT_EQ(ModuleMessageUtf8(m.module, 5), "") << "the system's code, not the module's";
    }
    for (const DWORD id : {2u, 193u, 0x80070005u, 12007u})
        EXPECT_EQ(ModuleMessageUtf8(MessageModule::System, id), SystemMessageUtf8(id)) << id;
#ifndef _WIN32 // the language follows the environment where the program reads the table itself
    const std::string inEnglish = ModuleMessageUtf8(MessageModule::WinInet, 12007);
    ScopedLocale german("de_DE.UTF-8");
    EXPECT_NE(ModuleMessageUtf8(MessageModule::WinInet, 12007), inEnglish);
#endif
}

} // namespace
