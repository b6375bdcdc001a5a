#include "lookup/CatalogueRules.h"

#include <array>
#include <initializer_list>

namespace {

struct HeaderRule {
    std::string_view Header;
    CodeFamily Family;
    // Empty: every name of the header.
    std::initializer_list<std::string_view> Prefixes;
};

const std::array<HeaderRule, 12> kRules = {{
    {"winerror.h", CodeFamily::Win32, {}},
    {"ntstatus.h", CodeFamily::NtStatus, {}},
    {"lmerr.h", CodeFamily::NetworkManagement, {"NERR_"}},
    {"wininet.h", CodeFamily::WinInet, {"ERROR_INTERNET_", "ERROR_FTP_", "ERROR_GOPHER_", "ERROR_HTTP_"}},
    {"winhttp.h", CodeFamily::WinHttp, {"ERROR_WINHTTP_"}},
    {"mferror.h", CodeFamily::MediaFoundation, {"MF_E_", "MF_S_", "MF_I_", "MF_INDEX_SIZE_ERR"}},
    {"d3d9.h",
     CodeFamily::DirectX,
     {"D3DERR_", "D3D_OK", "D3DOK_", "S_NOT_RESIDENT", "S_RESIDENT_IN_SHARED_MEMORY", "S_PRESENT_"}},
    {"d3d8.h", CodeFamily::DirectX, {"D3DERR_", "D3D_OK"}},
    {"ddraw.h", CodeFamily::DirectX, {"DDERR_", "DD_OK", "DD_FALSE"}},
    {"dsound.h", CodeFamily::DirectX, {"DSERR_", "DS_OK", "DS_NO_VIRTUALIZATION", "DS_INCOMPLETE"}},
    {"oledberr.h", CodeFamily::OleDb, {"DB_E_", "DB_S_", "DB_SEC_E_", "SEC_E_", "MD_E_"}},
    {"wuerror.h", CodeFamily::WindowsUpdate, {"WU_E_", "WU_S_"}},
}};

// What helps to write codes but is none.
bool IsHelperName(std::string_view name)
{
    for (const std::string_view start : {"_", "FACILITY_", "SEVERITY_", "MAX_", "MIN_"}) {
        if (name.starts_with(start))
            return true;
    }
    for (const std::string_view end : {"_BASE", "_FIRST", "_LAST", "_MASK"}) {
        if (name.ends_with(end))
            return true;
    }
    return name.find("_SEVERITY_") != std::string_view::npos || name == "WSABASEERR";
}

bool WrittenAsHResult(std::string_view expression)
{
    return expression.find("HRESULT") != std::string_view::npos || expression.find("SCODE") != std::string_view::npos;
}

} // namespace

std::span<const std::string_view> CatalogueHeaders()
{
    static const std::array<std::string_view, kRules.size()> headers = [] {
        std::array<std::string_view, kRules.size()> names{};
        for (std::size_t i = 0; i < names.size(); ++i)
            names[i] = kRules[i].Header;
        return names;
    }();
    return headers;
}

std::optional<CodeFamily> CodeFamilyOfDefine(std::string_view headerName, std::string_view name,
                                             std::string_view expression, std::uint32_t value)
{
    if (IsHelperName(name))
        return std::nullopt;
    for (const HeaderRule& rule : kRules) {
        if (rule.Header != headerName)
            continue;
        bool named = rule.Prefixes.size() == 0;
        for (const std::string_view prefix : rule.Prefixes)
            named = named || name.starts_with(prefix);
        if (!named)
            return std::nullopt;
        if (rule.Family == CodeFamily::Win32 && (WrittenAsHResult(expression) || (value & 0x80000000u) != 0))
            return CodeFamily::HResult;
        return rule.Family;
    }
    return std::nullopt;
}

std::optional<FacilityKind> FacilityKindOfDefine(std::string_view headerName, std::string_view name,
                                                 std::uint32_t value)
{
    if (!name.starts_with("FACILITY_"))
        return std::nullopt;
    if (headerName == "winerror.h" && value <= 0x7FFu)
        return FacilityKind::HResult;
    if (headerName == "ntstatus.h" && value <= 0xFFFu)
        return FacilityKind::NtStatus;
    return std::nullopt;
}
