#include "LookupTerm.h"

#include "catalogue/CodeValue.h"
#include "text/HexDigit.h"

#include <optional>

namespace {

bool HasHexLetter(std::string_view text)
{
    for (const char c : text) {
        if (HexDigitValue(c) >= 10)
            return true;
    }
    return false;
}

// The length of an HRESULT or NTSTATUS written in hexadecimal.
constexpr std::size_t CodeHexDigits = 8;

LookupTerm Value(DWORD value)
{
    return LookupTerm{LookupTerm::Kind::Value, value, {}, std::nullopt};
}

} // namespace

LookupTerm ReadLookupTerm(std::string_view term, bool allHex)
{
    if (const std::optional<DWORD> hex = ReadHexCode(term))
        return Value(*hex);

    std::string_view digits = term;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    // A sign before hexadecimal digits is read only when every term is hex.
    const bool signedTerm = digits.size() != term.size();
    const bool readsAsHex = allHex || (!signedTerm && HasHexLetter(digits));
    const std::optional<DWORD> number = ReadDigits(digits, readsAsHex ? 16 : 10);
    if (!number)
        return LookupTerm{LookupTerm::Kind::Name, 0, std::string(term), std::nullopt};
    LookupTerm read = Value(negative ? 0u - *number : *number);
    if (!readsAsHex && !signedTerm && digits.size() == CodeHexDigits) {
        const std::optional<DWORD> hex = ReadDigits(digits, 16);
        if (hex != read.Value)
            read.HexValue = hex;
    }
    return read;
}
