// The selected name prefixes of one scan, tested against the start of a name
// without copying it.
#pragma once

#include "platform/win32_types.h"

#include <cstddef>
#include <string_view>
#include <vector>

class TStringsStorage;

// True when the n bytes of a and b differ at most in case: the same answer as
// lstrcmpiA == 0 on the two n-byte texts, without building them.
bool EqualIgnoringCase(const char* a, const char* b, std::size_t n);

class PrefixSet {
public:
    // Keeps the entries of prefixes whose flag in selected is nonzero, in list
    // order; with no flags at all no prefix takes part.
    PrefixSet(const TStringsStorage& prefixes, const BYTE* selected);

    // True when one of the prefixes equals, but for case, the first bytes of
    // the length bytes at text.
    bool MatchesStartOf(const char* text, std::size_t length) const;

private:
    std::vector<std::string_view> prefixes_;
};
