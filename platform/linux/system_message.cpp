#include "system_message.h"

#include "message_system_tables.h"

#include "platform/message_from_tables.h"

// The source names a string or a module, neither of which is provided; the
// arguments are never read (see the header).
DWORD FormatMessageA(DWORD flags, LPCVOID /*source*/, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                     void* /*arguments*/)
{
    return FormatMessageFromTables(SystemMessageTables(), flags, messageId, languageId, buffer, size);
}
