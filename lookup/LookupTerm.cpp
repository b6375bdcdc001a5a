#include "LookupTerm.h"

#include "catalogue/CodeValue.h"
#include "text/HexDigit.h"

#include <optional>

namespace {

// Digits of base base only, at least one; the value wraps in 32 bits.
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

bool HasHexLetter(std::string_view text)
{
    for (const char c : text) {
        if (HexDigitValue(c) >= 10)
            return true;
    }
    return false;
}

LookupTerm Value(DWORD value)
{
    return LookupTerm{LookupTerm::Kind::Value, value, {}};
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
    if (const std::optional<DWORD> number = ReadDigits(digits, readsAsHex ? 16 : 10))
        return Value(negative ? 0u - *number : *number);
    return LookupTerm{LookupTerm::Kind::Name, 0, std::string(term)};
}
