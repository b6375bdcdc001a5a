// FormatMessageA over a given set of message tables: the system's own
// message lookup wherever the program reads the table itself, and the same
// rules checked against the system's FormatMessageA where there is one.
#pragma once

#include "win32.h"

#include <string>

class MessageTable;
class MessageTableSet;

// FormatMessageA's code for a message that formats to nothing, which not
// every <windows.h> names.
#ifndef ERROR_NO_WORK_DONE
constexpr DWORD ERROR_NO_WORK_DONE = 1235;
#endif

// The flags, languages, results and errors of FormatMessageA for
// FORMAT_MESSAGE_FROM_SYSTEM (see linux/system_message.h).
DWORD FormatMessageFromTables(const MessageTableSet& tables, DWORD flags, DWORD messageId, DWORD languageId,
                              LPSTR buffer, DWORD size);

// The table's text for messageId; an HRESULT 0x8007xxxx without a text of its
// own reads as the Win32 code xxxx, as the system's lookup does.
const std::u16string* FindWithWin32Fallback(const MessageTable& table, DWORD messageId);
