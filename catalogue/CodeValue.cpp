#include "CodeValue.h"

#include <charconv>
#include <iterator>
#include <utility>

namespace {

// "DISPATH" is the name users know from earlier versions of the program.
constexpr const char* kFacilityNames[] = {
    "NULL",    "RPC",      "DISPATH",     "STORAGE", "ITF",      "UNKNOWN_5", "UNKNOWN_6", "WIN32",
    "WINDOWS", "SSPI",     "CONTROL",     "CERT",    "INTERNET", "MEDIASERVER", "MSMQ",   "SETUPAPI",
};

constexpr DWORD kSeverityBit = 0x80000000u;

} // namespace

const char* FacilityName(DWORD facilityNumber)
{
    if (facilityNumber < std::size(kFacilityNames))
        return kFacilityNames[facilityNumber];
    return "UNKNOWN_?";
}

DecodedCode DecodeCodeValue(DWORD value)
{
    const bool severe = (value & kSeverityBit) != 0;
    // The absolute value of the signed reading; 0x80000000 has no positive
    // counterpart in 32 bits and keeps its sign.
    std::string code;
    if (value == kSeverityBit) {
        code = "-2147483648";
    } else {
        char digits[16];
        const DWORD magnitude = severe ? 0u - value : value;
        code.assign(digits, std::to_chars(digits, digits + sizeof digits, magnitude).ptr);
    }
    return DecodedCode{std::move(code), FacilityName((value >> 16) & 0x1FFFu), severe ? "1" : "0",
                       severe ? 2 : 1};
}
