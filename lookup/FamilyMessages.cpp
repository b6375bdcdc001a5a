#include "lookup/FamilyMessages.h"

#include "lookup/BuiltInCatalogue.h"
#include "platform/module_message_utf8.h"
#include "platform/ntstatus_win32.h"

#include <string_view>
#include <unordered_map>

namespace {

// The name the catalogue gives a Win32 code, for labelling the text an
// NTSTATUS borrows from it. The names are gathered once: a run may look up
// a great many values.
std::string Win32Name(DWORD code)
{
    static const std::unordered_map<DWORD, std::string_view> names = [] {
        std::unordered_map<DWORD, std::string_view> first;
        for (const BuiltInCode& c : BuiltInCodes()) {
            if (c.Family == CodeFamily::Win32)
                first.emplace(c.Value, BuiltInName(c));
        }
        return first;
    }();
    const auto found = names.find(code);
    return found != names.end() ? std::string(found->second) : "error " + std::to_string(code);
}

// A module's text for an identifier: in the user's language, or in one.
struct TextSource {
    std::uint16_t Language = 0; // 0: the user's, with fallbacks

    std::string operator()(MessageModule module, DWORD id) const
    {
        return Language == 0 ? ModuleMessageUtf8(module, id) : ModuleMessageUtf8InLanguage(module, id, Language);
    }
};

// Windows' ntdll has the NTSTATUS texts themselves, and they say more than
// any Win32 text (which address an access violation read). Where ntdll has
// none for the value, as Wine's has none at all, an NTSTATUS has the text
// of the Win32 code ntdll maps it to, and says which code that is.
std::string NtStatusMessage(DWORD status, const TextSource& read)
{
    std::string own = read(MessageModule::NtDll, status);
    if (!own.empty())
        return own;
    const std::optional<DWORD> win32 = Win32CodeOfNtStatus(status);
    if (!win32)
        return {};
    const std::string text = read(MessageModule::System, *win32);
    if (text.empty())
        return {};
    return text + "(the text of " + Win32Name(*win32) + ", " + std::to_string(*win32)
           + ", which the system maps it to)";
}

std::string MessageOf(DWORD code, CodeFamily family, const TextSource& read)
{
    switch (family) {
    case CodeFamily::Win32: return read(MessageModule::System, code);
    case CodeFamily::HResult:
    case CodeFamily::DirectX:
    case CodeFamily::OleDb:
    case CodeFamily::WindowsUpdate:
        // A success HRESULT of no facility but S_OK (S_FALSE is 1) is no
        // Win32 code, though the system's table would read it as one.
        if (code != 0 && (code & 0xFFFF0000u) == 0)
            return {};
        return read(MessageModule::System, code);
    case CodeFamily::NtStatus: return NtStatusMessage(code, read);
    case CodeFamily::WinInet: return read(MessageModule::WinInet, code);
    case CodeFamily::MediaFoundation: return read(MessageModule::MediaFoundation, code);
    case CodeFamily::WinHttp:
    case CodeFamily::NetworkManagement:
    case CodeFamily::Header: return {};
    }
    return {};
}

} // namespace

std::string FamilyMessage(DWORD code, CodeFamily family)
{
    return MessageOf(code, family, TextSource{});
}

std::string FamilyMessageIn(DWORD code, CodeFamily family, std::uint16_t language)
{
    return language == 0 ? std::string() : MessageOf(code, family, TextSource{language});
}
