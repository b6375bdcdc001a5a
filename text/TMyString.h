// The program's 8-bit text buffer. Operations record their result in Error()
// instead of throwing: 0 on success, ERROR_NO_MORE_ITEMS (259) when a search
// finds nothing, otherwise the system's code of a failed allocation or call.
#pragma once

#include "platform/win32_types.h"

#include <string_view>

class TMyString {
public:
    TMyString();
    TMyString(LPCSTR text);                    // absent or empty gives empty
    explicit TMyString(std::string_view text); // the window side's strings, already 8-bit
    explicit TMyString(char ch);
    TMyString(const TMyString& other);
    TMyString& operator=(LPCSTR text);
    TMyString& operator=(const TMyString& other);
    virtual ~TMyString();

    void Truncate(DWORD pos);
    DWORD FindLastOf(LPCSTR set);
    DWORD Find(const TMyString& other);
    void Delete(DWORD pos, DWORD count);
    void TrimLeft();
    LPSTR Upper();
    // Leaves Error() as it was, unless the text could not grow: then the
    // text stays as it was and Error() holds the allocation's code.
    TMyString& Append(const TMyString& other);
    static TMyString Concatenate(const TMyString& a, const TMyString& b);
    // The system's message text for code (-1: the thread's last error).
    void FromSystemMessage(LONG code);

    DWORD Length() const { return length; }
    LONG Error() const { return error; }
    // Never null: an empty text reads as "".
    LPCSTR c_str() const;

private:
    void Release();
    // Makes the text first followed by second; 0 or the allocation's code.
    DWORD Join(LPCSTR first, SIZE_T firstLength, LPCSTR second, SIZE_T secondLength);
    void ShrinkToFit();

    LONG error;
    DWORD length;
    char* data;
};
