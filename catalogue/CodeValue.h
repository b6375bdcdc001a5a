// Turning a code's 32-bit value into the texts of its row.
#pragma once

#include "platform/win32_types.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The facility number of a value: bits 16..28.
constexpr DWORD FacilityNumber(DWORD value)
{
    return (value >> 16) & 0x1FFFu;
}

// Facilities past 15 share one name.
const char* FacilityName(DWORD facilityNumber);

struct DecodedCode {
    std::string Code;     // decimal absolute value of the signed value
    const char* Facility; // from FacilityName
    const char* Severity; // "1" when bit 31 is set, else "0"
    int ImageIndex;       // 1 when bit 31 is clear, 2 when set
};

DecodedCode DecodeCodeValue(DWORD value);

// The Code text of a value, written into digits; the same text as
// DecodeCodeValue's, without a string of its own.
using CodeDigits = std::array<char, 12>;
std::string_view CodeText(DWORD value, CodeDigits& digits);

// Severity and image index of a value, as DecodeCodeValue gives them.
inline bool IsSevere(DWORD value)
{
    return (value & 0x80000000u) != 0;
}

// A value as "0x" and eight upper-case hexadecimal digits, the way codes are
// written in headers and logs.
std::string HexText(DWORD value);

// A text of digits of base (2 to 16) only, at least one, either case; digits
// past 32 bits wrap. Nothing for any other text.
std::optional<DWORD> ReadDigits(std::string_view digits, DWORD base);

// A text of "0x" or "0X" and hexadecimal digits only, as a code is copied
// from a log; digits past 32 bits wrap. Nothing for any other text.
std::optional<DWORD> ReadHexCode(std::string_view text);

// The value of a row from its Code and Severity texts: Code negated in 32
// bits when Severity is "1".
DWORD ValueOfCodeTexts(std::string_view code, std::string_view severity);
