#include "system_message.h"

#include "win32_errors.h"

// No message table is read on this system yet: every lookup reports that the
// message does not exist, rather than inventing a text.
DWORD FormatMessageA(DWORD flags, LPCVOID /*source*/, DWORD /*messageId*/, DWORD /*languageId*/, LPSTR buffer,
                     DWORD /*size*/, void* /*arguments*/)
{
    if ((flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0 && buffer != nullptr)
        *reinterpret_cast<LPSTR*>(buffer) = nullptr;
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
}
