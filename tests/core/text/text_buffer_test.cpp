#include "platform/memory_faults.h"
#include "core/fault_hooks.h"
#include "platform/win32.h"
#include "text/TMyString.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TEST(TextBufferConstruct, AbsentAndEmptyTextsReadAsEmpty)
{
    const TMyString fromNull(static_cast<LPCSTR>(nullptr));
    const TMyString fromEmpty("");
    const TMyString fromView{std::string_view()};
    for (const TMyString* text : {&fromNull, &fromEmpty, &fromView}) {
        EXPECT_EQ(text->Length(), 0u);
        ASSERT_NE(text->c_str(), nullptr);
        EXPECT_STREQ(text->c_str(), "");
        EXPECT_EQ(text->Error(), 0);
    }
}

TEST(TextBufferConstruct, CopiesAreIndependent)
{
    TMyString original("C:\\dir");
    TMyString copy(original);
    TMyString assigned;
    assigned = original;
    original.Truncate(2);
    EXPECT_STREQ(copy.c_str(), "C:\\dir");
    EXPECT_STREQ(assigned.c_str(), "C:\\dir");
    EXPECT_STREQ(TMyString('x').c_str(), "x");
    EXPECT_STREQ(TMyString(std::string_view("abcdef", 3)).c_str(), "abc");
}

TEST(TextBufferAssign, OwnTextOrAPartOfItIsSafe)
{
    TMyString text("prog.exe");
    text = text.c_str();
    EXPECT_STREQ(text.c_str(), "prog.exe");
    text = text;
    EXPECT_STREQ(text.c_str(), "prog.exe");
    text = text.c_str() + 5;
    EXPECT_STREQ(text.c_str(), "exe");
    text = static_cast<LPCSTR>(nullptr);
    EXPECT_EQ(text.Length(), 0u);
}

TEST(TextBufferTruncate, KeepsTheFirstCharacters)
{
    TMyString path("C:\\dir\\prog.exe");
    path.Truncate(6);
    EXPECT_STREQ(path.c_str(), "C:\\dir");
    path.Truncate(50);
    EXPECT_STREQ(path.c_str(), "C:\\dir");
    path.Truncate(0);
    EXPECT_EQ(path.Length(), 0u);
    EXPECT_STREQ(path.c_str(), "");
}

TEST(TextBufferFindLastOf, TellsAMissOnlyThroughError)
{
    TMyString path("C:\\dir\\prog.exe");
    EXPECT_EQ(path.FindLastOf("\\"), 6u);
    EXPECT_EQ(path.Error(), 0);
    EXPECT_EQ(path.FindLastOf("x:"), 13u) << "any character of the set";
    TMyString name("prog.exe");
    EXPECT_EQ(name.FindLastOf("\\"), 0u);
    EXPECT_EQ(name.Error(), static_cast<LONG>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(name.FindLastOf(""), 0u);
    EXPECT_EQ(name.Error(), static_cast<LONG>(ERROR_NO_MORE_ITEMS));
    TMyString first("\\x");
    EXPECT_EQ(first.FindLastOf("\\"), 0u);
    EXPECT_EQ(first.Error(), 0) << "a hit at position 0";
}

TEST(TextBufferFind, UsesTheSubstringRule)
{
    TMyString line("#define ERROR_SUCCESS 0L");
    EXPECT_EQ(line.Find(TMyString("ERROR_")), 8u);
    EXPECT_EQ(line.Error(), 0);
    EXPECT_EQ(line.Find(TMyString("")), 0u);
    EXPECT_EQ(line.Error(), 0) << "an empty text is found at 0";
    EXPECT_EQ(line.Find(TMyString("error_")), 0u);
    EXPECT_EQ(line.Error(), static_cast<LONG>(ERROR_NO_MORE_ITEMS));
    TMyString empty;
    empty.Find(TMyString("x"));
    EXPECT_EQ(empty.Error(), static_cast<LONG>(ERROR_NO_MORE_ITEMS));
}

TEST(TextBufferDelete, RemovesOrCutsAndFitsTheBuffer)
{
    TMyString text("abcdef");
    text.Delete(1, 2);
    EXPECT_STREQ(text.c_str(), "adef");
    EXPECT_EQ(text.Length(), 4u);
    text.Delete(4, 1);
    text.Delete(0, 0);
    EXPECT_STREQ(text.c_str(), "adef") << "nothing to remove";
    text.Delete(2, 0xFFFFFFFFu);
    EXPECT_STREQ(text.c_str(), "ad") << "a count past the end cuts";
    text.Delete(0, 2);
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_EQ(text.Error(), 0);
}

TEST(TextBufferTrimLeft, RemovesSpacesOnly)
{
    TMyString spaced("   ERROR_");
    spaced.TrimLeft();
    EXPECT_STREQ(spaced.c_str(), "ERROR_");
    TMyString tabbed("\t  ERROR_");
    tabbed.TrimLeft();
    EXPECT_STREQ(tabbed.c_str(), "\t  ERROR_");
    TMyString blank("    ");
    blank.TrimLeft();
    EXPECT_EQ(blank.Length(), 0u);
}

TEST(TextBufferUpper, ConvertsInPlaceWithTheCodePage)
{
    TMyString text("error_\xE9t\xE9");
    EXPECT_STREQ(text.Upper(), "ERROR_\xC9T\xC9");
    EXPECT_STREQ(text.c_str(), "ERROR_\xC9T\xC9");
    EXPECT_STREQ(TMyString().Upper(), "");
}

TEST(TextBufferAppend, JoinsTexts)
{
    TMyString text;
    text.Append(TMyString("ERROR_"));
    EXPECT_EQ(text.Length(), 6u);
    text.Append(TMyString()).Append(TMyString("FILE"));
    EXPECT_STREQ(text.c_str(), "ERROR_FILE");
    text.Append(text);
    EXPECT_STREQ(text.c_str(), "ERROR_FILEERROR_FILE");
    const TMyString joined = TMyString::Concatenate(TMyString("a"), TMyString("bc"));
    EXPECT_STREQ(joined.c_str(), "abc");
    EXPECT_EQ(joined.Error(), 0);
    EXPECT_EQ(TMyString::Concatenate(TMyString(), TMyString()).Length(), 0u);
}

// What the system itself gives for code: its text, or its failure code.
struct SystemAnswer {
    std::string text;
    LONG error;
};

SystemAnswer AskTheSystem(DWORD code)
{
    LPSTR buffer = nullptr;
    const DWORD characters = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, code,
                                            0x400, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    SystemAnswer answer{characters == 0 ? std::string() : std::string(buffer, characters),
                        characters == 0 ? static_cast<LONG>(GetLastError()) : 0};
    LocalFree(buffer);
    return answer;
}

void ExpectTheSystemsAnswer(const TMyString& message, const SystemAnswer& expected)
{
    EXPECT_EQ(message.Error(), expected.error);
    EXPECT_EQ(message.c_str(), expected.text) << "the system's text, line end included";
    EXPECT_EQ(message.Length(), expected.text.size());
}

TEST(TextBufferSystemMessage, TakesTheSystemsTextOrItsFailure)
{
    TMyString message("previous");
    message.FromSystemMessage(ERROR_FILE_NOT_FOUND);
    ExpectTheSystemsAnswer(message, AskTheSystem(ERROR_FILE_NOT_FOUND));
}

TEST(TextBufferSystemMessage, MinusOneAsksForTheLastError)
{
    TMyString message;
    SetLastError(ERROR_ACCESS_DENIED);
    message.FromSystemMessage(-1);
    ExpectTheSystemsAnswer(message, AskTheSystem(ERROR_ACCESS_DENIED));
}

TEST(TextBufferSystemMessage, MissingMessageLeavesAnEmptyTextAndTheCode)
{
    TMyString message("previous");
    message.FromSystemMessage(0x3FFFFF00);
    EXPECT_EQ(message.Length(), 0u);
    EXPECT_STREQ(message.c_str(), "");
    EXPECT_EQ(message.Error(), static_cast<LONG>(ERROR_MR_MID_NOT_FOUND));
}

class TextBufferOutOfMemory : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_FAULT_HOOKS(); }
    void TearDown() override { MemoryFaults::Reset(); }
};

TEST_F(TextBufferOutOfMemory, FailedAssignLeavesAnEmptyText)
{
    TMyString text("old");
    MemoryFaults::FailNth(1);
    text = "new";
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_EQ(text.Error(), static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY));
}

TEST_F(TextBufferOutOfMemory, FailedTruncateKeepsTheText)
{
    TMyString text("C:\\dir\\prog.exe");
    MemoryFaults::FailNth(1);
    text.Truncate(6);
    EXPECT_STREQ(text.c_str(), "C:\\dir\\prog.exe");
    EXPECT_EQ(text.Error(), static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY));
}

TEST_F(TextBufferOutOfMemory, FailedShrinkAfterDeleteEmptiesTheText)
{
    TMyString text("  ERROR_");
    MemoryFaults::FailNth(1);
    text.TrimLeft();
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_STREQ(text.c_str(), "");
    EXPECT_EQ(text.Error(), static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY));
}

TEST_F(TextBufferOutOfMemory, FailedAppendKeepsTheTextAndRecordsTheCode)
{
    TMyString text("ERROR_");
    const TMyString tail("X");
    MemoryFaults::FailNth(1);
    text.Append(tail);
    EXPECT_STREQ(text.c_str(), "ERROR_");
    EXPECT_EQ(text.Error(), static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY));
}

TEST_F(TextBufferOutOfMemory, FailedConcatenateGivesAnEmptyTextWithTheCode)
{
    const TMyString a("a");
    const TMyString b("b");
    MemoryFaults::FailNth(1);
    const TMyString joined = TMyString::Concatenate(a, b);
    EXPECT_EQ(joined.Length(), 0u);
    EXPECT_EQ(joined.Error(), static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY));
}

} // namespace
