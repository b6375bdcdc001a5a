// The byte searches the header scan makes over every byte of every header,
// sixteen bytes at a time where the processor allows.
#pragma once

#include <cstddef>

struct LineEnd {
    const char* Lf;                 // the first LF in the range, or null
    std::size_t CarriageReturns;    // CRs before Lf (in the whole range without one)
    const char* LastCarriageReturn; // the last of them, or null
};

// The end of the line that starts at from, and the CRs before it, in one pass.
LineEnd FindLineEnd(const char* from, const char* to);

// The first '#' in [from, to), or null; lineFeeds gets the number of LFs
// before it (in the whole range without one).
const char* FindHash(const char* from, const char* to, std::size_t& lineFeeds);

// The first digit, minus sign or NUL in [from, to), or to: where a number
// may start, or the end of a C text.
const char* FindDigitMinusOrNul(const char* from, const char* to);

// The first space, TAB or NUL in [from, to), or to: the end of a name.
const char* FindSpaceTabOrNul(const char* from, const char* to);

// The first byte in [from, to) that is no ASCII letter, digit or underscore,
// or to: the end of a C name, for the macro names of every #define line.
const char* FindNonNameByte(const char* from, const char* to);
