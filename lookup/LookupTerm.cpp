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
