// A 32-bit code taken apart the ways the system builds its codes, and the
// Win32 code that an HRESULT wraps.
#pragma once

#include "platform/win32_types.h"

#include <optional>

struct HResultParts {
    unsigned Severity;      // bit 31
    DWORD Facility;         // bits 16..28, the program's facility number
    const char* FacilityName;
    DWORD Code;             // bits 0..15
};

struct NtStatusParts {
    unsigned Severity;      // bits 30..31: 0 success, 1 information, 2 warning, 3 error
    unsigned Customer;      // bit 29
    DWORD Facility;         // bits 16..27
    DWORD Code;             // bits 0..15
};

HResultParts HResultPartsOf(DWORD value);
// Only for a value whose top two bits are both set.
std::optional<NtStatusParts> NtStatusPartsOf(DWORD value);
const char* NtStatusSeverityName(unsigned severity);

// HRESULT_FROM_WIN32 as the headers define it: a code above 0 becomes
// 0x8007xxxx from its low 16 bits; 0 and negative codes stay as they are.
DWORD HResultFromWin32(DWORD code);
// The HRESULT form of a Win32 code 1..0xFFFF, for listing both together.
std::optional<DWORD> HResultOfWin32Code(DWORD value);
// The Win32 code 1..0xFFFF that an HRESULT 0x8007xxxx wraps.
std::optional<DWORD> Win32CodeOfHResult(DWORD value);
