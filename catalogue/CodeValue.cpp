#include "CodeValue.h"

#include "text/HexDigit.h"

#include <charconv>
#include <cstdio>
#include <iterator>

namespace {

// "DISPATH" is the name users know from earlier versions of the program.
constexpr const char* kFacilityNames[] = {
    "NULL",    "RPC",  "DISPATH", "STORAGE", "ITF",      "UNKNOWN_5",   "UNKNOWN_6", "WIN32",
    "WINDOWS", "SSPI", "CONTROL", "CERT",    "INTERNET", "MEDIASERVER", "MSMQ",      "SETUPAPI",
};

constexpr DWORD kSeverityBit = 0x80000000u;

} // namespace

const char* FacilityName(DWORD facilityNumber)
{
    if (facilityNumber < std::size(kFacilityNames))
        return kFacilityNames[facilityNumber];
    return "UNKNOWN_?";
}

std::string_view CodeText(DWORD value, CodeDigits& digits)
{
    // The absolute value of the signed reading; 0x80000000 has no positive
    // counterpart in 32 bits and keeps its sign.
    if (value == kSeverityBit)
        return "-2147483648";
    const DWORD magnitude = IsSevere(value) ? 0u - value : value;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

DecodedCode DecodeCodeValue(DWORD value)
{
    const bool severe = IsSevere(value);
    CodeDigits digits;
    return DecodedCode{std::string(CodeText(value, digits)), FacilityName(FacilityNumber(value)), severe ? "1" : "0",
                       severe ? 2 : 1};
}

std::string HexText(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::optional<DWORD> ReadDigits(std::string_view digits, DWORD base)
{
    if (digits.empty())
        return std::nullopt;
    DWORD value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || static_cast<DWORD>(digit) >= base)
            return std::nullopt;
        value = value * base + static_cast<DWORD>(digit);
    }
    return value;
}

std::optional<DWORD> ReadHexCode(std::string_view text)
{
    if (text.size() < 2 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    return ReadDigits(text.substr(2), 16);
}

DWORD ValueOfCodeTexts(std::string_view code, std::string_view severity)
{
    // "-2147483648" reads as its digits negated, which is the same value.
    DWORD magnitude = 0;
    for (const char c : code) {
        if (c >= '0' && c <= '9')
            magnitude = magnitude * 10u + static_cast<DWORD>(c - '0');
    }
    return severity == "1" ? 0u - magnitude : magnitude;
}
