#include "message_system_tables.h"

namespace {

constexpr std::string_view kWineFolders[] = {
    "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/", // Debian's libwine
    "/usr/lib/wine/x86_64-windows/",
    "/usr/lib/i386-linux-gnu/wine/i386-windows/",
    "/usr/local/lib/wine/x86_64-windows/",
    "/opt/wine-stable/lib64/wine/x86_64-windows/",
};

MessageTableSet LoadSystemTables()
{
    for (const std::string& path : SystemMessageDllPaths()) {
        MessageTableSet tables = MessageTableSet::FromFile(path);
        if (!tables.Empty())
            return tables;
    }
    return {};
}

} // namespace

std::vector<std::string> WineDllPaths(std::string_view dll)
{
    std::vector<std::string> paths;
    for (const std::string_view folder : kWineFolders)
        paths.push_back(std::string(folder).append(dll));
    return paths;
}

std::vector<std::string> SystemMessageDllPaths()
{
    return WineDllPaths("kernelbase.dll");
}

const MessageTableSet& SystemMessageTables()
{
    // A function-local static is initialised exactly once even when several
    // threads arrive together.
    static const MessageTableSet tables = LoadSystemTables();
    return tables;
}
