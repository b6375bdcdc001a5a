#include "CodeParts.h"

#include "lookup/BuiltInCatalogue.h"

namespace {

constexpr DWORD Win32Facility = 0x80070000u;
constexpr DWORD Low16 = 0xFFFFu;
constexpr DWORD NtBit = 0x10000000u;

unsigned Bit(DWORD value, unsigned bit)
{
    return (value >> bit) & 1u;
}

} // namespace

HResultParts HResultPartsOf(DWORD value)
{
    const DWORD facility = (value >> 16) & 0x7FFu;
    return HResultParts{Bit(value, 31),
                        Bit(value, 30),
                        Bit(value, 29),
                        Bit(value, 28),
                        Bit(value, 27),
                        facility,
                        HResultFacilityName(facility),
                        value & Low16};
}

NtStatusParts NtStatusPartsOf(DWORD value)
{
    const DWORD facility = (value >> 16) & 0xFFFu;
    return NtStatusParts{value >> 30, Bit(value, 29), facility, NtStatusFacilityName(facility), value & Low16};
}

bool NtStatusSeverityIsSet(DWORD value)
{
    return (value >> 30) != 0;
}

const char* NtStatusSeverityName(unsigned severity)
{
    static const char* const names[] = {"success", "informational", "warning", "error"};
    return names[severity & 3u];
}

bool InterfaceDefined(const HResultParts& parts)
{
    return parts.FacilityName == "ITF";
}

DWORD HResultFromWin32(DWORD code)
{
    if (static_cast<LONG>(code) <= 0)
        return code;
    return (code & Low16) | Win32Facility;
}

std::optional<DWORD> HResultOfWin32Code(DWORD value)
{
    if (value == 0 || value > Low16)
        return std::nullopt;
    return HResultFromWin32(value);
}

std::optional<DWORD> Win32CodeOfHResult(DWORD value)
{
    if ((value & ~Low16) != Win32Facility || (value & Low16) == 0)
        return std::nullopt;
    return value & Low16;
}

std::optional<DWORD> NtStatusOfHResult(DWORD value)
{
    if ((value & NtBit) == 0)
        return std::nullopt;
    return value & ~NtBit;
}
