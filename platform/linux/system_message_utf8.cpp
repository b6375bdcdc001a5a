#include "platform/system_message_utf8.h"

#include "mapped_file.h"
#include "message_system_tables.h"

namespace {

// Far beyond any real DLL, as MessageTableSet::FromFile bounds it.
constexpr std::uint64_t kLargestDll = std::uint64_t(1) << 28;

} // namespace

// Reads the one message from the DLL without building every language's
// table: the command line looks up a few messages and ends.
std::string SystemMessageUtf8(DWORD messageId)
{
    for (const char* path : SystemMessageDllPaths()) {
        const auto file = MappedFile::Open(path, kLargestDll);
        if (!file)
            continue;
        if (auto text = MessageUtf8FromImage(file->Bytes(), messageId))
            return std::move(*text);
    }
    return {};
}
