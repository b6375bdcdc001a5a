#include "CodeParts.h"

#include "catalogue/CodeValue.h"

namespace {

constexpr DWORD kWin32Facility = 0x80070000u;
constexpr DWORD kLow16 = 0xFFFFu;

} // namespace

HResultParts HResultPartsOf(DWORD value)
{
    const DWORD facility = FacilityNumber(value);
    return HResultParts{value >> 31, facility, FacilityName(facility), value & kLow16};
}

std::optional<NtStatusParts> NtStatusPartsOf(DWORD value)
{
    if ((value >> 30) != 3u)
        return std::nullopt;
    return NtStatusParts{value >> 30, (value >> 29) & 1u, (value >> 16) & 0xFFFu, value & kLow16};
}

const char* NtStatusSeverityName(unsigned severity)
{
    static const char* const names[] = {"success", "information", "warning", "error"};
    return names[severity & 3u];
}

DWORD HResultFromWin32(DWORD code)
{
    if (static_cast<LONG>(code) <= 0)
        return code;
    return (code & kLow16) | kWin32Facility;
}

std::optional<DWORD> HResultOfWin32Code(DWORD value)
{
    if (value == 0 || value > kLow16)
        return std::nullopt;
    return HResultFromWin32(value);
}

std::optional<DWORD> Win32CodeOfHResult(DWORD value)
{
    if ((value & ~kLow16) != kWin32Facility || (value & kLow16) == 0)
        return std::nullopt;
    return value & kLow16;
}
