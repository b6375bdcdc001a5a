#include "output/LoadFailureMessage.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

TEST(LoadFailureMessages, KeepTheFixedTextAndAddTheReasonOnASecondLine)
{
    const std::string missing = LoadFailureMessage({"a.h", true, ERROR_FILE_NOT_FOUND});
    const std::string unreadable = LoadFailureMessage({"b.h", false, ERROR_ACCESS_DENIED});
    EXPECT_EQ(missing, "Header file not found : \"a.h\". Check settings (F7)\n" + SystemReason(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(unreadable, "Unable to load header file : \"b.h\"\n" + SystemReason(ERROR_ACCESS_DENIED));
}

TEST(LoadFailureMessages, ReasonIsOneLine)
{
    const struct {
        const char* Message;
        DWORD Code;
        const char* Reason;
    } cases[] = {
        {"Access denied.\r\n", 5, "Access denied."},
        {"First line.\r\nSecond line.\r\n", 1, "First line. Second line."},
        {"No line end", 1, "No line end"},
        {"", 1921, "Error 1921"},
        {"\r\n", 13, "Error 13"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReasonLine(c.Message, c.Code), c.Reason) << c.Message;
    EXPECT_EQ(SystemReason(0x7FFFFFF0), "Error 2147483632") << "a code without a message";
}
