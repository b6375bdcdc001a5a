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

// In header and line order.
std::span<const BuiltInCode> BuiltInCodes();
std::string_view BuiltInName(const BuiltInCode& code);
std::string_view BuiltInHeader(const BuiltInCode& code);
