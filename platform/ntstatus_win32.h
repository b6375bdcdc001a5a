// The Win32 code of an NTSTATUS: ntdll has no message table of its own, so
// an NTSTATUS reads as the text of the Win32 code ntdll maps it to.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <optional>

struct NtStatusMapping {
    std::uint32_t Status;
    std::uint32_t Win32Code;
};

// What RtlNtStatusToDosError gives for status, from a map made once from
// Wine's ntdll for every NTSTATUS of mingw-w64's ntstatus.h
// (scripts/make-ntstatus-map). Nothing for a value outside the map, and for
// one ntdll has no code for (it answers ERROR_MR_MID_NOT_FOUND).
std::optional<DWORD> Win32CodeOfNtStatus(DWORD status);
