#include "message_system_tables.h"

namespace {

constexpr const char* kDllPaths[] = {
    "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/kernelbase.dll", // Debian's libwine
    "/usr/lib/wine/x86_64-windows/kernelbase.dll",
    "/usr/lib/i386-linux-gnu/wine/i386-windows/kernelbase.dll",
    "/usr/local/lib/wine/x86_64-windows/kernelbase.dll",
    "/opt/wine-stable/lib64/wine/x86_64-windows/kernelbase.dll",
};

MessageTableSet LoadSystemTables()
{
    for (const char* path : kDllPaths) {
        MessageTableSet tables = MessageTableSet::FromFile(path);
        if (!tables.Empty())
            return tables;
    }
    return {};
}

} // namespace

std::span<const char* const> SystemMessageDllPaths()
{
    return kDllPaths;
}

const MessageTableSet& SystemMessageTables()
{
    // A function-local static is initialised exactly once even when several
    // threads arrive together.
    static const MessageTableSet tables = LoadSystemTables();
    return tables;
}
