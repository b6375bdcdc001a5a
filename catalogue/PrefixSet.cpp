#include "PrefixSet.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <algorithm>
#include <utility>

namespace {

// Each byte's class under lstrcmpiA: its upper case (CharUpperBuffA), joined
// with the other bytes the system weighs the same (such as '^' and the
// modifier circumflex 0x88), named by the class's first member. Two texts of
// one length that lstrcmpiA finds equal are those whose bytes are in the same
// classes (but for ß, which weighs as two letters and meets "ss" only across
// two positions).
const std::array<unsigned char, 256>& AnsiUpperCase()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> upper{};
        for (int b = 0; b < 256; ++b) {
            char c = static_cast<char>(b);
            CharUpperBuffA(&c, 1);
            upper[static_cast<std::size_t>(b)] = static_cast<unsigned char>(c);
            const char text[2] = {static_cast<char>(b), '\0'};
            for (int first = 1; first < b; ++first) {
                const char other[2] = {static_cast<char>(first), '\0'};
                if (lstrcmpiA(other, text) == 0) {
                    upper[static_cast<std::size_t>(b)] = upper[static_cast<std::size_t>(first)];
                    break;
                }
            }
        }
        return upper;
    }();
    return table;
}

} // namespace

PrefixSet::PrefixSet(const TStringsStorage& prefixes, const BYTE* selected)
    : upper_(AnsiUpperCase())
{
    if (selected == nullptr)
        return;
    for (LONG i = 0; i < prefixes.Count(); ++i) {
        if (selected[i] == 0 || prefixes.Length(i) <= 0)
            continue;
        std::string prefix(prefixes.Text(i), static_cast<std::size_t>(prefixes.Length(i)));
        for (char& c : prefix)
            c = static_cast<char>(upper_[static_cast<unsigned char>(c)]);
        upperPrefixes_.push_back(std::move(prefix));
    }
    std::stable_sort(upperPrefixes_.begin(), upperPrefixes_.end(), [](const std::string& a, const std::string& b) {
        return static_cast<unsigned char>(a[0]) < static_cast<unsigned char>(b[0]);
    });
    std::size_t next = 0;
    for (std::size_t b = 0; b < 256; ++b) {
        groupStart_[b] = next;
        while (next < upperPrefixes_.size() && static_cast<unsigned char>(upperPrefixes_[next][0]) == b)
            ++next;
    }
    groupStart_[256] = next;
}

bool PrefixSet::MatchesStartOf(const char* text, std::size_t length) const
{
    if (length == 0)
        return false;
    const unsigned char first = upper_[static_cast<unsigned char>(*text)];
    for (std::size_t i = groupStart_[first]; i < groupStart_[first + 1u]; ++i) {
        const std::string& prefix = upperPrefixes_[i];
        if (prefix.size() > length)
            continue;
        std::size_t k = 1;
        while (k < prefix.size() && upper_[static_cast<unsigned char>(text[k])] == static_cast<unsigned char>(prefix[k]))
            ++k;
        if (k == prefix.size())
            return true;
    }
    return false;
}
