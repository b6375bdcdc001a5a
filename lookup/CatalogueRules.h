// Which defines of the error headers name a code, and of which family: the
// rule the built-in catalogue is made by, and by which the lookup places a
// define of a loaded header among the families.
//
// A header's codes are the names it gives with one of its family's prefixes
// (every name, for winerror.h and ntstatus.h), less what only helps to
// write codes: facilities and severities (FACILITY_*, SEVERITY_*,
// *_SEVERITY_*), bases and limits (*_BASE, MAX_*, MIN_*, WSABASEERR), the
// ends of ranges (*_FIRST, *_LAST), masks (*_MASK), and private names (a
// leading underscore). In winerror.h a code is an HRESULT when its value
// is written as one (HRESULT, SCODE or the macros that make them) or has
// bit 31 set, else a Win32 code.
#pragma once

#include "lookup/CodeFamily.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The headers of the built-in catalogue, winerror.h first: the first
// definition of a name is the one the others expand.
std::span<const std::string_view> CatalogueHeaders();

// headerName is the header's file name without its folder; expression the
// define's replacement text, value what it evaluates to. Nothing when the
// define names no code.
std::optional<CodeFamily> CodeFamilyOfDefine(std::string_view headerName, std::string_view name,
                                             std::string_view expression, std::uint32_t value);

// The two numberings of facilities the headers name: winerror.h's FACILITY_
// defines number the facilities of HRESULTs (bits 16..26), ntstatus.h's those
// of NTSTATUS values (bits 16..27).
enum class FacilityKind : std::uint8_t { HResult, NtStatus };

// Which numbering a define gives a facility of: a FACILITY_ name of
// winerror.h or ntstatus.h whose value fits that numbering's bits. Values
// that do not fit (FACILITY_NT_BIT, a flag; FACILITY_AUDCLNT, whose number
// takes bit 27 as well) name no facility.
std::optional<FacilityKind> FacilityKindOfDefine(std::string_view headerName, std::string_view name,
                                                 std::uint32_t value);
