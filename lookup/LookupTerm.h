// How a term on the command line is read: a code in hexadecimal or decimal,
// as users copy it from logs and debuggers, or a name.
#pragma once

#include "platform/win32_types.h"

#include <optional>
#include <string>
#include <string_view>

struct LookupTerm {
    enum class Kind { Value, Name };
    Kind Type = Kind::Name;
    DWORD Value = 0;  // for a value
    std::string Name; // for a name: the term as given
    // For a term of eight decimal digits (80004005), which may as well be an
    // HRESULT copied without its 0x: the term read as hexadecimal, when that
    // differs from Value, its decimal reading.
    std::optional<DWORD> HexValue;
};

// Hexadecimal: 0x or 0X and hexadecimal digits, or hexadecimal digits only
// with at least one of the letters A to F (C0000005, 8007000e); with allHex
// every term of hexadecimal digits only, after an optional sign. Decimal
// otherwise: an optional sign and digits, eight digits without a sign read
// as hexadecimal too. Any other term is a name. Numbers
// wrap in 32 bits, so -2147024891 and 2147942405 are the same code.
LookupTerm ReadLookupTerm(std::string_view term, bool allHex);
