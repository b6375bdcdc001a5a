#include "PrefixSet.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <array>

namespace {

// The system's upper case of every byte. Two texts of one length that
// lstrcmpiA finds equal are exactly those whose bytes have the same upper case.
const std::array<unsigned char, 256>& UpperCase()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> upper{};
        for (int b = 0; b < 256; ++b) {
            char c = static_cast<char>(b);
            CharUpperBuffA(&c, 1);
            upper[static_cast<std::size_t>(b)] = static_cast<unsigned char>(c);
        }
        return upper;
    }();
    return table;
}

} // namespace

bool EqualIgnoringCase(const char* a, const char* b, std::size_t n)
{
    const auto& upper = UpperCase();
    for (std::size_t i = 0; i < n; ++i) {
        if (upper[static_cast<unsigned char>(a[i])] != upper[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

PrefixSet::PrefixSet(const TStringsStorage& prefixes, const BYTE* selected)
{
    if (selected == nullptr)
        return;
    for (LONG i = 0; i < prefixes.Count(); ++i) {
        if (selected[i] != 0)
            prefixes_.emplace_back(prefixes.Text(i), static_cast<std::size_t>(prefixes.Length(i)));
    }
}

bool PrefixSet::MatchesStartOf(const char* text, std::size_t length) const
{
    for (const std::string_view prefix : prefixes_) {
        if (prefix.size() <= length && EqualIgnoringCase(prefix.data(), text, prefix.size()))
            return true;
    }
    return false;
}
