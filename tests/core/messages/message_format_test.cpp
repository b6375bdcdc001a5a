#include "platform/message_format.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

std::string Format(std::u16string_view message, bool ignoreInserts = false)
{
    const FormattedMessage result = FormatMessageText(message, ignoreInserts);
    EXPECT_EQ(result.error, 0u) << "for a message without inserts";
    return result.text;
}

DWORD FormatError(std::u16string_view message)
{
    return FormatMessageText(message, false).error;
}

TEST(MessageLineEnds, EveryLineEndBecomesCrLf)
{
    EXPECT_EQ(Format(u"Access denied.\n"), "Access denied.\r\n") << "the trailing line end is kept";
    EXPECT_EQ(Format(u"one\ntwo"), "one\r\ntwo");
    EXPECT_EQ(Format(u"one\r\ntwo\r\n"), "one\r\ntwo\r\n") << "CR LF is not doubled";
    EXPECT_EQ(Format(u"\r"), "\r\n") << "a bare CR is a line end too";
    EXPECT_EQ(Format(u"\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(Format(u"\n\r"), "\r\n\r\n") << "LF CR is two line ends";
}

TEST(MessageEscapes, EachEscapeGivesItsCharacter)
{
    EXPECT_EQ(Format(u"%n%r%t"), "\r\n\r\t");
    EXPECT_EQ(Format(u" %%%% "), " %% ");
    EXPECT_EQ(Format(u"% %   "), "    ");
    EXPECT_EQ(Format(u" %.%. "), " .. ");
    EXPECT_EQ(Format(u"yah%!"), "yah!");
    EXPECT_EQ(Format(u"%x"), "x") << "any other character stands for itself";
}

TEST(MessageEscapes, PercentZeroEndsTheTextWithoutLineEnd)
{
    EXPECT_EQ(Format(u"test%0test\n"), "test");
    EXPECT_EQ(Format(u"Done.%0\n"), "Done.");
    EXPECT_EQ(Format(u"%0"), "");
}

TEST(MessageInserts, NeedingAnInsertFailsWithInvalidParameter)
{
    EXPECT_EQ(FormatError(u"Insert disk for drive %1.\n"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FormatError(u"%99"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FormatError(u"text %9!s!"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FormatError(u"test%"), ERROR_INVALID_PARAMETER) << "a lone % at the end is malformed";
    EXPECT_EQ(FormatError(u"%0 then %1"), 0u) << "nothing after %0 is read";
}

TEST(MessageInserts, IgnoreInsertsKeepsThemAsWritten)
{
    EXPECT_EQ(Format(u"test%1%2!*.*s!%99", true), "test%1%2!*.*s!%99");
    EXPECT_EQ(Format(u"%%% %.%!", true), "%%% %.%!");
    EXPECT_EQ(Format(u"%n%r%t%0x", true), "\r\n\r\t");
}

TEST(MessageCodePage, UnicodeBecomesWindows1252)
{
    EXPECT_EQ(Format(u"Zugriff verweigert: \u00FC \u20AC"), "Zugriff verweigert: \xFC \x80");
    EXPECT_EQ(Format(u"\u0151\u4E2D"), "??") << "characters the code page lacks";
    EXPECT_EQ(Format(u"a\U0001F600b"), "a?b") << "a surrogate pair is one character";
    EXPECT_EQ(Format(std::u16string(u"a") + char16_t(0xD800) + u"b"), "a?b") << "a lone surrogate";
}

} // namespace
