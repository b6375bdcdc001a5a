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
        }
        // Sorted by lstrcmpiA, the bytes it weighs the same stand together,
        // so one sort finds the classes: a fraction of the comparisons of
        // each byte against every byte before it, which a short lookup's
        // start-up would feel.
        std::array<std::array<char, 2>, 255> texts{};
        std::array<int, 255> bytes{};
        for (int b = 1; b < 256; ++b) {
            texts[static_cast<std::size_t>(b - 1)] = {static_cast<char>(b), '\0'};
            bytes[static_cast<std::size_t>(b - 1)] = b;
        }
        const auto compare = [&](int a, int b) {
            return lstrcmpiA(texts[static_cast<std::size_t>(a - 1)].data(),
                             texts[static_cast<std::size_t>(b - 1)].data());
        };
        std::stable_sort(bytes.begin(), bytes.end(), [&](int a, int b) { return compare(a, b) < 0; });
        for (std::size_t run = 0; run < bytes.size();) {
            std::size_t end = run + 1;
            int first = bytes[run];
            while (end < bytes.size() && compare(bytes[run], bytes[end]) == 0)
                first = std::min(first, bytes[end++]);
            for (std::size_t i = run; i < end; ++i)
                upper[static_cast<std::size_t>(bytes[i])] = upper[static_cast<std::size_t>(first)];
            run = end;
        }
        return upper;
    }();
    return table;
}

} // namespace

PrefixSet::PrefixSet(const TStringsStorage& prefixes, const BYTE* selected) : upper_(AnsiUpperCase())
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
        while (k < prefix.size()
               && upper_[static_cast<unsigned char>(text[k])] == static_cast<unsigned char>(prefix[k]))
            ++k;
        if (k == prefix.size())
            return true;
    }
    return false;
}
