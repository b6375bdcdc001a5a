#include "platform/system_message_utf8.h"

#include <string>

// Windows has the Unicode text itself; asking for it wide keeps every
// character the 8-bit code page would lose.
std::string SystemMessageUtf8(DWORD messageId)
{
    LPWSTR text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS
                                            | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, messageId, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    if (length == 0 || text == nullptr)
        return {};
    std::string utf8;
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size > 0) {
        utf8.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size, nullptr, nullptr);
    }
    LocalFree(text);
    return utf8;
}
