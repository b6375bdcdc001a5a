// The command line's message texts: UTF-8 straight from the table's text,
// with the same escapes, line ends and language choice as FormatMessageA.
#include "pe_fixture.h"
#include "scoped_locale.h"

#include "output/SystemMessageText.h"
#include "platform/codepage.h"
#include "platform/message_image.h"
#include "platform/message_language.h"
#include "platform/message_format.h"
#include "platform/system_message_utf8.h"
#include "platform/win32.h"
#ifndef _WIN32
#include "platform/linux/mapped_file.h"
#include "platform/linux/message_system_tables.h"
#endif

#include <gtest/gtest.h>

TEST(MessageUtf8, KeepsEveryCharacterOfTheTable)
{
    const struct {
        std::u16string_view Stored;
        const char* Utf8;
    } cases[] = {
        {u"Zugriff verweigert \u00fc.\n", "Zugriff verweigert \xc3\xbc.\r\n"},
        {u"\u0414\u043e\u0441\u0442\u0443\u043f", "\xd0\x94\xd0\xbe\xd1\x81\xd1\x82\xd1\x83\xd0\xbf"},
        {u"\u20ac%t\u20ac", "\xe2\x82\xac\t\xe2\x82\xac"},
        {u"\U0001F600%0ignored", "\xf0\x9f\x98\x80"},
        {u"lone \xd800 half", "lone \xef\xbf\xbd half"},
        {u"100%% %.\r", "100% .\r\n"},
    };
    for (const auto& c : cases) {
        const FormattedMessage formatted = FormatMessageTextUtf8(c.Stored, false);
        EXPECT_EQ(formatted.error, 0u);
        EXPECT_EQ(formatted.text, c.Utf8);
    }
    EXPECT_EQ(FormatMessageTextUtf8(u"Needs %1.\n", false).error, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FormatMessageTextUtf8(u"Needs %1.\n", false).text, "");
}

TEST(MessageUtf8, LooksUpAsFormatMessageDoes)
{
    ScopedLocale english("en_US.UTF-8");
    const std::vector<std::uint8_t> dll = BuildMessageDll(
        PeKind::Pe32Plus, 0x409, {{5, u"Acc\u00e8s \u0434\u0435\u043d\u0438\u0435\u0434.\n"}, {6, u"Needs %1.\n"}});
    std::optional<MessageImage> image = MessageImage::Open(dll);
    ASSERT_TRUE(image);
    EXPECT_EQ(MessageUtf8FromImage(*image, 5), "Acc\xc3\xa8s \xd0\xb4\xd0\xb5\xd0\xbd\xd0\xb8\xd0\xb5\xd0\xb4.\r\n");
    EXPECT_EQ(MessageUtf8FromImage(*image, 0x80070005u), MessageUtf8FromImage(*image, 5)) << "HRESULT of a Win32 code";
    EXPECT_EQ(MessageUtf8FromImage(*image, 6), "") << "a message that needs an insert fails";
    EXPECT_EQ(MessageUtf8FromImage(*image, 7), "");
    std::vector<std::uint8_t> damaged = dll;
    damaged.resize(damaged.size() / 2);
    EXPECT_FALSE(MessageImage::Open(damaged)) << "no usable table, as FromImage finds";
    EXPECT_FALSE(MessageImage::Open(std::vector<std::uint8_t>{}));
}

// Reads the message DLL the Linux layer stands in for Windows with.
#ifndef _WIN32
TEST(MessageUtf8, OneMessageFromTheImageIsTheTablesMessage)
{
    if (SystemMessageTables().Empty())
        GTEST_SKIP() << "no kernelbase.dll with a message table on this machine";
    std::optional<MappedFile> mapped;
    for (const std::string& path : SystemMessageDllPaths()) {
        std::optional<MappedFile> candidate = MappedFile::Open(path, std::uint64_t(1) << 28);
        if (candidate && !MessageTableSet::FromImage(candidate->Bytes()).Empty()) {
            mapped.emplace(std::move(*candidate));
            break;
        }
    }
    ASSERT_TRUE(mapped);
    std::optional<MessageImage> image = MessageImage::Open(mapped->Bytes());
    ASSERT_TRUE(image);
    EXPECT_FALSE(MappedFile::Open("/dev/zero", 1 << 20)) << "a device is no file";
    for (const char* locale : {"en_US.UTF-8", "ja_JP.UTF-8", "pt_BR.UTF-8"}) {
        ScopedLocale chosen(locale);
        const MessageTable* table = SystemMessageTables().ForUser(UserLanguageFromEnvironment());
        ASSERT_NE(table, nullptr);
        for (const std::uint32_t id : {0u, 2u, 5u, 87u, 1921u, 0x80070005u, 0x7FFFFFF0u}) {
            const std::optional<std::u16string> found = image->Find(UserLanguageFromEnvironment(), id);
            const std::u16string* expected = table->Find(id);
            if (expected == nullptr && (id & 0xFFFF0000u) == 0x80070000u)
                expected = table->Find(id & 0xFFFFu);
            ASSERT_EQ(found.has_value(), expected != nullptr) << locale << " " << id;
            if (expected != nullptr) {
                EXPECT_TRUE(*found == *expected) << locale << " " << id;
            }
        }
    }
}

#endif

TEST(MessageUtf8, SystemTextMatchesThePanesText)
{
#ifndef _WIN32
    if (SystemMessageTables().Empty())
        GTEST_SKIP() << "no kernelbase.dll with a message table on this machine";
#endif
    // German fits Windows-1252, so both paths give the same characters.
    for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8"}) {
        ScopedLocale chosen(locale);
        for (const LONG code : {2, 5, 87}) {
            EXPECT_FALSE(SystemMessageTextUtf8(static_cast<DWORD>(code)).empty());
            EXPECT_EQ(SystemMessageTextUtf8(static_cast<DWORD>(code)), Ansi1252ToUtf8(SystemMessageText(code)))
                << locale << " " << code;
        }
    }
}
