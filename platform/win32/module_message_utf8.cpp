#include "platform/module_message_utf8.h"

#include "platform/system_message_utf8.h"

#include <string>

namespace {

// Windows has the Unicode text itself; asking for it wide keeps every
// character the 8-bit code page would lose.
// With a language of 0, the user's (with the system's fallbacks); with any
// other, that language alone: FormatMessage fails rather than fall back.
std::string FormatMessageUtf8(DWORD source, HMODULE module, DWORD id, DWORD language = 0)
{
    LPWSTR text = nullptr;
    const DWORD length = FormatMessageW(source | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, module,
                                        id, language, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
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

// Loaded as data on its first lookup and kept for the whole run: nothing of
// the module runs, and its table is found once. Null when it is missing.
template <MessageModule Module> HMODULE LoadedModule()
{
    static const HMODULE module = [] {
        const std::string name = MessageModuleDll(Module);
        const std::wstring wide(name.begin(), name.end());
        return LoadLibraryExW(wide.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }();
    return module;
}

HMODULE LoadedModule(MessageModule module)
{
    switch (module) {
    case MessageModule::System: break;
    case MessageModule::WinInet: return LoadedModule<MessageModule::WinInet>();
    case MessageModule::MediaFoundation: return LoadedModule<MessageModule::MediaFoundation>();
    case MessageModule::NtDll: return LoadedModule<MessageModule::NtDll>();
    }
    return nullptr;
}

} // namespace

std::string SystemMessageUtf8(DWORD messageId)
{
    return FormatMessageUtf8(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, messageId);
}

std::string ModuleMessageUtf8(MessageModule module, DWORD id)
{
    if (module == MessageModule::System)
        return SystemMessageUtf8(id);
    const HMODULE loaded = LoadedModule(module);
    return loaded ? FormatMessageUtf8(FORMAT_MESSAGE_FROM_HMODULE, loaded, id) : std::string();
}

std::string ModuleMessageUtf8InLanguage(MessageModule module, DWORD id, std::uint16_t language)
{
    if (language == 0)
        return {};
    if (module == MessageModule::System)
        return FormatMessageUtf8(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, id, language);
    const HMODULE loaded = LoadedModule(module);
    return loaded ? FormatMessageUtf8(FORMAT_MESSAGE_FROM_HMODULE, loaded, id, language) : std::string();
}
