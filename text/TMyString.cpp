#include "text/TMyString.h"

#include "platform/win32.h"

#include <cstring>

namespace {

// What an empty text reads as; never written, since an empty text has no
// characters to change.
char emptyText[1] = {'\0'};

// The longest text whose length still fits the length field with room left
// for the zero byte.
constexpr SIZE_T kLongest = 0xFFFFFFFEu;

} // namespace

TMyString::TMyString() : error(0), length(0), data(nullptr)
{
}

TMyString::TMyString(LPCSTR text) : TMyString()
{
    *this = text;
}

TMyString::TMyString(std::string_view text) : TMyString()
{
    if (text.data() != nullptr)
        error = static_cast<LONG>(Join(text.data(), text.size(), nullptr, 0));
}

TMyString::TMyString(char ch) : TMyString()
{
    error = static_cast<LONG>(Join(&ch, 1, nullptr, 0));
}

TMyString::TMyString(const TMyString& other) : TMyString()
{
    error = static_cast<LONG>(Join(other.c_str(), other.length, nullptr, 0));
}

TMyString::~TMyString()
{
    Release();
}

// Without memory for the new text the old one is gone all the same: the
// object then holds an empty text and the failure's code.
TMyString& TMyString::operator=(LPCSTR text)
{
    if (text == nullptr) {
        Release();
        error = 0;
        return *this;
    }
    if (text == data)
        return *this;
    const DWORD code = Join(text, std::strlen(text), nullptr, 0);
    if (code != ERROR_SUCCESS)
        Release();
    error = static_cast<LONG>(code);
    return *this;
}

TMyString& TMyString::operator=(const TMyString& other)
{
    if (&other == this)
        return *this;
    const DWORD code = Join(other.c_str(), other.length, nullptr, 0);
    if (code != ERROR_SUCCESS)
        Release();
    error = static_cast<LONG>(code);
    return *this;
}

void TMyString::Release()
{
    LocalFree(data);
    data = nullptr;
    length = 0;
}

// Copies both parts into a new buffer before the old one is released, so
// either part may be this object's own text. On failure nothing changes.
DWORD TMyString::Join(LPCSTR first, SIZE_T firstLength, LPCSTR second, SIZE_T secondLength)
{
    if (firstLength > kLongest || secondLength > kLongest - firstLength)
        return ERROR_NOT_ENOUGH_MEMORY;
    const SIZE_T total = firstLength + secondLength;
    if (total == 0) {
        Release();
        return ERROR_SUCCESS;
    }
    auto* joined = static_cast<char*>(LocalAlloc(LMEM_FIXED, total + 1));
    if (joined == nullptr)
        return GetLastError();
    if (firstLength > 0)
        std::memcpy(joined, first, firstLength);
    if (secondLength > 0)
        std::memcpy(joined + firstLength, second, secondLength);
    joined[total] = '\0';
    LocalFree(data);
    data = joined;
    length = static_cast<DWORD>(total);
    return ERROR_SUCCESS;
}

// Fits the buffer to the text after characters were removed. If even that
// fails the text is released: half a shrink must not survive.
void TMyString::ShrinkToFit()
{
    if (length == 0) {
        Release();
        error = 0;
        return;
    }
    void* shrunk = LocalReAlloc(data, length + 1, LMEM_MOVEABLE);
    if (shrunk == nullptr) {
        error = static_cast<LONG>(GetLastError());
        Release();
        return;
    }
    data = static_cast<char*>(shrunk);
    error = 0;
}

void TMyString::Truncate(DWORD pos)
{
    error = 0;
    if (pos >= length)
        return;
    if (pos == 0) {
        Release();
        return;
    }
    void* shrunk = LocalReAlloc(data, pos + 1, LMEM_MOVEABLE);
    if (shrunk == nullptr) {
        error = static_cast<LONG>(GetLastError());
        return;
    }
    data = static_cast<char*>(shrunk);
    data[pos] = '\0';
    length = pos;
}

DWORD TMyString::FindLastOf(LPCSTR set)
{
    const SIZE_T setLength = set == nullptr ? 0 : std::strlen(set);
    for (DWORD pos = length; pos > 0 && setLength > 0; --pos) {
        if (std::memchr(set, data[pos - 1], setLength) != nullptr) {
            error = 0;
            return pos - 1;
        }
    }
    error = static_cast<LONG>(ERROR_NO_MORE_ITEMS);
    return 0;
}

DWORD TMyString::Find(const TMyString& other)
{
    const char* hit = std::strstr(c_str(), other.c_str());
    if (hit == nullptr) {
        error = static_cast<LONG>(ERROR_NO_MORE_ITEMS);
        return 0;
    }
    error = 0;
    return static_cast<DWORD>(hit - c_str());
}

void TMyString::Delete(DWORD pos, DWORD count)
{
    error = 0;
    if (count == 0 || pos >= length)
        return;
    if (count >= length - pos) {
        length = pos;
    } else {
        std::memmove(data + pos, data + pos + count, length - pos - count);
        length -= count;
    }
    data[length] = '\0';
    ShrinkToFit();
}

void TMyString::TrimLeft()
{
    DWORD spaces = 0;
    while (spaces < length && data[spaces] == ' ')
        ++spaces;
    Delete(0, spaces);
}

LPSTR TMyString::Upper()
{
    if (length == 0)
        return emptyText;
    CharUpperBuffA(data, length);
    return data;
}

// A failed allocation keeps the text as it was but is still recorded, so a
// caller never takes a shortened text for a whole one.
TMyString& TMyString::Append(const TMyString& other)
{
    if (other.length == 0)
        return *this;
    const DWORD code = Join(c_str(), length, other.c_str(), other.length);
    if (code != ERROR_SUCCESS)
        error = static_cast<LONG>(code);
    return *this;
}

TMyString TMyString::Concatenate(const TMyString& a, const TMyString& b)
{
    TMyString joined;
    joined.error = static_cast<LONG>(joined.Join(a.c_str(), a.length, b.c_str(), b.length));
    return joined;
}

// The system allocates the message with LocalAlloc; the object adopts that
// buffer as its own and releases it like any other.
void TMyString::FromSystemMessage(LONG code)
{
    const DWORD messageId = code == -1 ? GetLastError() : static_cast<DWORD>(code);
    Release();
    LPSTR message = nullptr;
    const DWORD characters =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, messageId,
                       LANG_USER_DEFAULT, reinterpret_cast<LPSTR>(&message), 0, nullptr);
    if (characters == 0 || message == nullptr) {
        error = static_cast<LONG>(GetLastError());
        LocalFree(message);
        return;
    }
    data = message;
    length = characters;
    error = 0;
}

LPCSTR TMyString::c_str() const
{
    return data != nullptr ? data : emptyText;
}
