// One FormatMessageA call as the program makes it: allocated buffer, user's
// language, no arguments; over the tables given or the system's own.
#pragma once

#include "platform/message_from_tables.h"
#include "platform/message_table_set.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

struct Lookup {
    DWORD length = 0;
    DWORD error = 0;  // the last error after a failure
    std::string text; // empty after a failure
};

constexpr DWORD kProgramFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER;

template <typename Call> Lookup Capture(Call call)
{
    constexpr DWORD kUntouched = 0xDEADBEEF;
    SetLastError(kUntouched);
    char sentinel = 0;
    LPSTR buffer = &sentinel;
    Lookup result;
    result.length = call(reinterpret_cast<LPSTR>(&buffer));
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

inline Lookup LookUp(const MessageTableSet& tables, DWORD code, DWORD language = LANG_USER_DEFAULT)
{
    return Capture([&](LPSTR out) { return FormatMessageFromTables(tables, kProgramFlags, code, language, out, 0); });
}

inline Lookup LookUpSystem(DWORD code)
{
    return Capture(
        [&](LPSTR out) { return FormatMessageA(kProgramFlags, nullptr, code, LANG_USER_DEFAULT, out, 0, nullptr); });
}
