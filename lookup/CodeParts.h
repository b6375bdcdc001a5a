// A 32-bit code taken apart by the rules the system builds its codes by,
// with the facility names of the headers, and the Win32 code or NTSTATUS
// that an HRESULT wraps.
#pragma once

#include "platform/win32_types.h"

#include <optional>
#include <string_view>

struct HResultParts {
    unsigned Severity;             // S, bit 31: a failure
    unsigned Reserved;             // R, bit 30
    unsigned Customer;             // C, bit 29: defined by a customer, not by Microsoft
    unsigned Nt;                   // N, bit 28: an NTSTATUS made an HRESULT
    unsigned X;                    // bit 27, reserved
    DWORD Facility;                // bits 16..26
    std::string_view FacilityName; // winerror.h's FACILITY_ name; empty when it has none
    DWORD Code;                    // bits 0..15
};

struct NtStatusParts {
    unsigned Severity;             // bits 30..31: 0 success, 1 informational, 2 warning, 3 error
    unsigned Customer;             // C, bit 29
    DWORD Facility;                // bits 16..27
    std::string_view FacilityName; // ntstatus.h's FACILITY_ name; empty when it has none
    DWORD Code;                    // bits 0..15
};

HResultParts HResultPartsOf(DWORD value);
NtStatusParts NtStatusPartsOf(DWORD value);
// Whether the top bits alone make an NTSTATUS likely: a severity other than
// success. The lookup also reads any value an NTSTATUS is defined with.
bool NtStatusSeverityIsSet(DWORD value);
const char* NtStatusSeverityName(unsigned severity);
// Facility ITF: the meaning of the code is the interface's that returned it.
bool InterfaceDefined(const HResultParts& parts);

// HRESULT_FROM_WIN32 as the headers define it: a code above 0 becomes
// 0x8007xxxx from its low 16 bits; 0 and negative codes stay as they are.
DWORD HResultFromWin32(DWORD code);
// The HRESULT form of a Win32 code 1..0xFFFF, for listing both together.
std::optional<DWORD> HResultOfWin32Code(DWORD value);
// The Win32 code 1..0xFFFF that an HRESULT 0x8007xxxx wraps.
std::optional<DWORD> Win32CodeOfHResult(DWORD value);
// The NTSTATUS that an HRESULT with the N bit wraps: HRESULT_FROM_NT sets
// that bit, so the NTSTATUS is the value without it.
std::optional<DWORD> NtStatusOfHResult(DWORD value);
