// Every code the error headers of mingw-w64 define, evaluated when the
// program was built (tools/make_catalogue.cpp): the lookup knows the codes
// of every family without a header installed, and reads no header for them.
#pragma once

#include "lookup/CodeFamily.h"

#include <cstdint>
#include <span>
#include <string_view>

struct BuiltInCode {
    std::uint32_t NameOffset; // in the catalogue's names, a NUL after it
    std::uint32_t Value;
    std::uint32_t Line;
    std::uint8_t Header; // in CatalogueHeaders()
    CodeFamily Family;
};

// A facility number and its name as the headers give it, FACILITY_ left
// off: FACILITY_DISPATCH is "DISPATCH".
struct BuiltInFacility {
    std::uint32_t Number;
    const char* Name;
};

// In header and line order.
std::span<const BuiltInCode> BuiltInCodes();
std::string_view BuiltInName(const BuiltInCode& code);
std::string_view BuiltInHeader(const BuiltInCode& code);

// By number. Where several names share a number, the first the header
// defines (9 is "SSPI", not "SECURITY").
std::span<const BuiltInFacility> HResultFacilities();
std::span<const BuiltInFacility> NtStatusFacilities();
// The name of an HRESULT facility (bits 16..26) or of an NTSTATUS facility
// (bits 16..27); empty when the headers name none.
std::string_view HResultFacilityName(std::uint32_t number);
std::string_view NtStatusFacilityName(std::uint32_t number);
