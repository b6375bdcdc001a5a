// Recognises one header line of the form  #define NAME value  whose NAME
// begins with one of the selected prefixes, and reads its value.
#pragma once

#include "platform/win32_types.h"

#include <cstddef>
#include <string_view>

class PrefixSet;

struct DefinedCode {
    std::string_view Name; // points into the line
    DWORD Value;
};

// The name of a line  #define NAME ...  whose NAME begins with a selected
// prefix, pointing into the line; it ends at a space, a TAB or a NUL. False
// for any other line.
bool ParseDefineName(const char* text, std::size_t length, const PrefixSet& prefixes, std::string_view& name);

// text holds length characters of one line as read, its LF included. True
// when the line declares a code; the preprocessor is not imitated, so the
// value is simply the first number after the name.
bool ParseDefineLine(const char* text, std::size_t length, const PrefixSet& prefixes, DefinedCode& code);

// The first number in [from, to): a run of digits, or 0x and hexadecimal
// digits, optionally after a minus sign. A digit or minus sign that directly
// follows a letter, digit or underscore is part of a word such as WIN32, not
// a number. A NUL ends the search. False when there is none.
bool FindNumber(const char* from, const char* to, DWORD& value);
