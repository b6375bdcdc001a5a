#include "lookup.h"
#include "core/fault_hooks.h"
#include "pe_fixture.h"
#include "scoped_locale.h"

#include "platform/memory_faults.h"
#ifndef _WIN32
#include "platform/linux/message_system_tables.h"
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

const MessageTableSet& Fixture()
{
    static const MessageTableSet tables = MessageTableSet::FromImage(BuildMessageDll(PeKind::Pe32Plus, 0x409,
                                                                                     {{0, u"Success.\n"},
                                                                                      {2, u"File not found.\n"},
                                                                                      {5, u"Access denied.\n"},
                                                                                      {6, u"Needs %1.\n"},
                                                                                      {7, u"%0"},
                                                                                      {0x80070002, u"Own text.\n"}}));
    return tables;
}

TEST(SystemMessageLookup, FoundMessageIsAllocatedWithItsLineEnd)
{
    const Lookup result = LookUp(Fixture(), 2);
    EXPECT_EQ(result.text, "File not found.\r\n");
    EXPECT_EQ(result.length, 17u);
}

TEST(SystemMessageLookup, MissingMessageFailsWith317AndNoBuffer)
{
    const Lookup result = LookUp(Fixture(), 3);
    EXPECT_EQ(result.length, 0u);
    EXPECT_EQ(result.error, ERROR_MR_MID_NOT_FOUND);
    EXPECT_EQ(LookUp(MessageTableSet(), 0).error, ERROR_MR_MID_NOT_FOUND) << "no table at all";
}

TEST(SystemMessageLookup, MessageNeedingAnInsertFailsWith87)
{
    EXPECT_EQ(LookUp(Fixture(), 6).error, ERROR_INVALID_PARAMETER);
}

TEST(SystemMessageLookup, MessageFormattingToNothingFails)
{
    EXPECT_EQ(LookUp(Fixture(), 7).error, ERROR_NO_WORK_DONE);
}

TEST(SystemMessageHResults, Win32FacilityFallsBackToTheWin32Code)
{
    EXPECT_EQ(LookUp(Fixture(), 0x80070005).text, LookUp(Fixture(), 5).text);
    EXPECT_EQ(LookUp(Fixture(), 0x80070002).text, "Own text.\r\n") << "an entry of its own comes first";
    EXPECT_EQ(LookUp(Fixture(), 0x80070003).error, ERROR_MR_MID_NOT_FOUND);
    EXPECT_EQ(LookUp(Fixture(), 0x80040005).error, ERROR_MR_MID_NOT_FOUND) << "only facility 7 maps";
    EXPECT_EQ(LookUp(Fixture(), 0x00070005).error, ERROR_MR_MID_NOT_FOUND) << "only failure codes map";
}

TEST(SystemMessageBuffers, CallerBufferMustHoldTextAndZero)
{
    char buffer[17];
    std::memset(buffer, 'x', sizeof buffer);
    SetLastError(0);
    EXPECT_EQ(FormatMessageFromTables(Fixture(), FORMAT_MESSAGE_FROM_SYSTEM, 2, LANG_USER_DEFAULT, buffer, 17), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(buffer[0], 'x') << "a failed call leaves the buffer alone";

    char fits[18];
    EXPECT_EQ(FormatMessageFromTables(Fixture(), FORMAT_MESSAGE_FROM_SYSTEM, 2, LANG_USER_DEFAULT, fits, 18), 17u);
    EXPECT_STREQ(fits, "File not found.\r\n");
}

TEST(SystemMessageBuffers, FailedAllocationReportsOutOfMemory)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    LPSTR buffer = nullptr;
    MemoryFaults::FailNth(1);
    EXPECT_EQ(FormatMessageFromTables(Fixture(), FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, 2,
                                      LANG_USER_DEFAULT, reinterpret_cast<LPSTR>(&buffer), 0),
              0u);
    MemoryFaults::Reset();
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(buffer, nullptr);
}

TEST(SystemMessageFlags, OnlyTheSystemTableIsProvided)
{
    char buffer[64];
    for (const DWORD flags : std::initializer_list<DWORD>{0, FORMAT_MESSAGE_FROM_STRING,
                                                          FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_FROM_HMODULE,
                                                          FORMAT_MESSAGE_FROM_SYSTEM | 80u /* wrap at 80 columns */}) {
        SetLastError(0);
        EXPECT_EQ(FormatMessageFromTables(Fixture(), flags, 2, LANG_USER_DEFAULT, buffer, sizeof buffer), 0u);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << "flags " << flags;
    }
    EXPECT_EQ(FormatMessageFromTables(Fixture(), FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, 6,
                                      LANG_USER_DEFAULT, buffer, sizeof buffer),
              11u);
    EXPECT_STREQ(buffer, "Needs %1.\r\n");
}

// Russian and Polish texts have no Windows-1252 form; German and French do.
const MessageTableSet& Languages()
{
    static const MessageTableSet tables = MessageTableSet::FromImage(BuildPe(
        PeKind::Pe32, {{0x0419, BuildMessageResource({{2, u"\u0424\u0430\u0439\u043B.\n"},
                                                      {5, u"\u0414\u043E\u0441\u0442\u0443\u043F.\n"}})},
                       {0x0415, BuildMessageResource({{2, u"Plik nie istnieje.\n"}, {5, u"Odmowa dost\u0119pu.\n"}})},
                       {0x0007, BuildMessageResource({{2, u"Datei fehlt.\n"}, {5, u"Zugriff verweigert \u00E4.\n"}})},
                       {0x040C, BuildMessageResource({{5, u"Acc\u00E8s refus\u00E9.\n"}})},
                       {0x0409, BuildMessageResource({{2, u"File not found.\n"}, {5, u"Access denied.\n"}})}}));
    return tables;
}

TEST(SystemMessageLanguages, EachCodeComesFromTheFirstLanguageThatWindows1252CanHold)
{
    const struct {
        const char* locale;
        DWORD code;
        const char* text;
    } cases[] = {
        {"de_DE.UTF-8", 5, "Zugriff verweigert \xE4.\r\n"},
        {"de_AT.UTF-8", 2, "Datei fehlt.\r\n"},
        {"fr_FR.UTF-8", 5, "Acc\xE8s refus\xE9.\r\n"},
        {"fr_FR.UTF-8", 2, "File not found.\r\n"}, // no French text for it
        {"ru_RU.UTF-8", 2, "File not found.\r\n"},
        {"ru_RU.UTF-8", 5, "Access denied.\r\n"},
        {"pl_PL.UTF-8", 2, "Plik nie istnieje.\r\n"}, // plain letters fit
        {"pl_PL.UTF-8", 5, "Access denied.\r\n"},
        {"C", 5, "Access denied.\r\n"},
    };
    for (const auto& c : cases) {
        ScopedLocale locale(c.locale);
        EXPECT_EQ(LookUp(Languages(), c.code).text, c.text) << c.locale << " " << c.code;
    }
}

TEST(SystemMessageLanguages, AnAskedForLanguageIsTakenAsItIs)
{
    ScopedLocale locale("de_DE.UTF-8");
    EXPECT_EQ(LookUp(Languages(), 5, 0x0419).text, "??????.\r\n");
}

#ifndef _WIN32 // Wine's kernelbase.dll read by the Linux layer itself
// The real table of the installed Wine, through the program's own call.
class SystemMessageTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (SystemMessageTables().Empty())
            GTEST_SKIP() << "no kernelbase.dll with a message table on this machine";
    }
};

TEST_F(SystemMessageTable, CommonCodesEndWithCrLf)
{
    ScopedLocale locale("C");
    for (const DWORD code : {0u, 2u, 5u}) {
        const Lookup result = LookUpSystem(code);
        ASSERT_GT(result.text.size(), 2u) << code;
        EXPECT_EQ(result.text.substr(result.text.size() - 2), "\r\n") << code;
        EXPECT_EQ(result.text.find('\n'), result.text.size() - 1) << "one line, no bare LF: " << code;
    }
}

TEST_F(SystemMessageTable, CodeWithoutMessageGivesNothing)
{
    ScopedLocale locale("C");
    const Lookup result = LookUpSystem(0x00012345);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.error, ERROR_MR_MID_NOT_FOUND);
}

TEST_F(SystemMessageTable, AccessDeniedAsHResultReadsAsTheWin32Code)
{
    ScopedLocale locale("C");
    EXPECT_EQ(LookUpSystem(0x80070005).text, LookUpSystem(5).text);
}

TEST_F(SystemMessageTable, EnglishAndGermanAreBothPresent)
{
    const std::vector<std::uint16_t> languages = SystemMessageTables().Languages();
    EXPECT_NE(std::find(languages.begin(), languages.end(), 0x0409), languages.end());
    EXPECT_NE(std::find(languages.begin(), languages.end(), 0x0007), languages.end());
    ScopedLocale english("en_US.UTF-8");
    const std::string inEnglish = LookUpSystem(2).text;
    ScopedLocale german("de_DE.UTF-8");
    EXPECT_NE(LookUpSystem(2).text, inEnglish) << "de_DE reads the German table";
}

TEST_F(SystemMessageTable, NonWesternLocalesReadTextsWithoutQuestionMarks)
{
    for (const char* name : {"ru_RU.UTF-8", "ja_JP.UTF-8", "zh_CN.UTF-8", "ko_KR.UTF-8", "pl_PL.UTF-8"}) {
        ScopedLocale locale(name);
        for (const DWORD code : {2u, 5u, 87u}) {
            const std::string text = LookUpSystem(code).text;
            EXPECT_FALSE(text.empty()) << name << " " << code;
            EXPECT_EQ(text.find('?'), std::string::npos) << name << " " << code << ": " << text;
        }
    }
}

TEST(SystemMessageDll, ReadsTheFirstInstalledDllOnTheSearchPath)
{
    const auto paths = SystemMessageDllPaths();
    const auto installed =
        std::find_if(paths.begin(), paths.end(), [](const std::string& path) { return std::filesystem::exists(path); });
    if (installed == paths.end())
        GTEST_SKIP() << "no Wine installed";
    EXPECT_FALSE(MessageTableSet::FromFile(*installed).Empty());
    EXPECT_TRUE(MessageTableSet::FromFile("/nonexistent/kernelbase.dll").Empty());
    EXPECT_TRUE(MessageTableSet::FromFile("/dev/null").Empty());
}

#endif

} // namespace
