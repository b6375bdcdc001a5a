// The selected name prefixes of one scan, tested against the start of a name
// without copying it.
#pragma once

#include "platform/win32_types.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class TStringsStorage;

class PrefixSet {
public:
    // Takes the entries of prefixes whose flag in selected is nonzero; with
    // no flags at all no prefix takes part.
    PrefixSet(const TStringsStorage& prefixes, const BYTE* selected);

    // True when one of the prefixes equals, but for case, the first bytes of
    // the length bytes at text: the answer of lstrcmpiA == 0 on the prefix and
    // that many bytes of text, without building the text.
    bool MatchesStartOf(const char* text, std::size_t length) const;

private:
    const std::array<unsigned char, 256>& upper_;
    // The prefixes in upper case, grouped by their first byte: those that
    // start with upper case b are upperPrefixes_[groupStart_[b]] up to
    // upperPrefixes_[groupStart_[b + 1]]. Which prefix matches first makes no
    // difference to a row, so the list order need not be kept.
    std::vector<std::string> upperPrefixes_;
    std::array<std::size_t, 257> groupStart_{};
};
