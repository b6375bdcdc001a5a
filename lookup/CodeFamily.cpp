#include "lookup/CodeFamily.h"

#include <algorithm>
#include <array>

namespace {

struct FamilyText {
    CodeFamily Family;
    std::string_view Name;
    std::string_view Key;
};

constexpr std::array<FamilyText, 11> kFamilies = {{
    {CodeFamily::Win32, "Win32", "win32"},
    {CodeFamily::HResult, "HRESULT", "hresult"},
    {CodeFamily::NtStatus, "NTSTATUS", "ntstatus"},
    {CodeFamily::NetworkManagement, "Network management", "netmgmt"},
    {CodeFamily::WinInet, "WinINet", "wininet"},
    {CodeFamily::WinHttp, "WinHTTP", "winhttp"},
    {CodeFamily::DirectX, "DirectX", "directx"},
    {CodeFamily::MediaFoundation, "Media Foundation", "mediafoundation"},
    {CodeFamily::WindowsUpdate, "Windows Update", "windowsupdate"},
    {CodeFamily::OleDb, "OLE DB", "oledb"},
    {CodeFamily::Header, "Header", "header"},
}};

constexpr std::array<CodeFamily, kFamilies.size()> kAll = [] {
    std::array<CodeFamily, kFamilies.size()> all{};
    for (std::size_t i = 0; i < kFamilies.size(); ++i)
        all[i] = kFamilies[i].Family;
    return all;
}();

const FamilyText& TextOf(CodeFamily family)
{
    return kFamilies[static_cast<std::size_t>(family)];
}

bool SameWithoutCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

} // namespace

std::string_view FamilyName(CodeFamily family)
{
    return TextOf(family).Name;
}

std::string_view FamilyKey(CodeFamily family)
{
    return TextOf(family).Key;
}

std::optional<CodeFamily> FamilyOfKey(std::string_view key)
{
    for (const FamilyText& f : kFamilies) {
        if (SameWithoutCase(f.Key, key))
            return f.Family;
    }
    return std::nullopt;
}

std::span<const CodeFamily> AllFamilies()
{
    return kAll;
}
