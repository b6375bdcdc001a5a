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
    static const MessageTableSet tables = MessageTableSet::FromImage(BuildMessageDll(
        PeKind::Pe32Plus, 0x409,
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

TEST(SystemMessageDll, ReadsTheFirstInstalledDllOnTheSearchPath)
{
    const auto paths = SystemMessageDllPaths();
    const auto installed = std::find_if(paths.begin(), paths.end(),
                                        [](const char* path) { return std::filesystem::exists(path); });
    if (installed == paths.end())
        GTEST_SKIP() << "no Wine installed";
    EXPECT_FALSE(MessageTableSet::FromFile(*installed).Empty());
    EXPECT_TRUE(MessageTableSet::FromFile("/nonexistent/kernelbase.dll").Empty());
    EXPECT_TRUE(MessageTableSet::FromFile("/dev/null").Empty());
}

#endif

} // namespace
