#include "CodeValue.h"

#include <charconv>
#include <iterator>

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
    return DecodedCode{std::string(CodeText(value, digits)), FacilityName(FacilityNumber(value)),
                       severe ? "1" : "0", severe ? 2 : 1};
}
