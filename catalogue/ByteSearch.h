// The byte searches the header scan makes over every byte of every header,
// sixteen bytes at a time where the processor allows.
#pragma once

#include <cstddef>

struct LineEnd {
    const char* Lf;                   // the first LF in the range, or null
    std::size_t CarriageReturns;      // CRs before Lf (in the whole range without one)
    const char* LastCarriageReturn;   // the last of them, or null
};

// The end of the line that starts at from, and the CRs before it, in one pass.
LineEnd FindLineEnd(const char* from, const char* to);

// The first '#' in [from, to), or null; lineFeeds gets the number of LFs
// before it (in the whole range without one).
const char* FindHash(const char* from, const char* to, std::size_t& lineFeeds);
