// One FormatMessageA call as the program makes it, over the tables given.
#pragma once

#include "platform/message_table_set.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

struct Lookup {
    DWORD length = 0;
    DWORD error = 0;  // the last error after a failure
    std::string text; // empty after a failure
};

inline Lookup LookUp(const MessageTableSet& tables, DWORD code, DWORD language = LANG_USER_DEFAULT)
{
    constexpr DWORD kUntouched = 0xDEADBEEF;
    SetLastError(kUntouched);
    char sentinel = 0;
    LPSTR buffer = &sentinel;
    Lookup result;
    result.length = FormatMessageFromTables(tables, FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                            code, language, reinterpret_cast<LPSTR>(&buffer), 0);
    if (result.length == 0) {
        result.error = GetLastError();
        EXPECT_EQ(buffer, nullptr) << "a failed call must leave no buffer";
    } else {
        EXPECT_EQ(GetLastError(), kUntouched) << "success must leave the last error alone";
        result.text.assign(buffer, result.length);
        EXPECT_EQ(buffer[result.length], '\0');
        LocalFree(buffer);
    }
    return result;
}
