#include "platform/system_message_utf8.h"

#include "mapped_file.h"
#include "message_system_tables.h"
#include "platform/message_table_set.h"

// Reads the one message from the DLL without building every language's
// table: the command line looks up a few messages and ends.
std::string SystemMessageUtf8(DWORD messageId)
{
    for (const char* path : SystemMessageDllPaths()) {
        const auto file = MappedFile::Open(path, kLargestMessageDll);
        if (!file)
            continue;
        if (auto text = MessageUtf8FromImage(file->Bytes(), messageId))
            return std::move(*text);
    }
    return {};
}
