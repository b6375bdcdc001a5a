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

// Where NAME begins on a line  #define NAME ...  that has only spaces
// before the '#' and around "define", as the scan reads codes; null for any
// other line.
const char* DefineNameStart(const char* text, std::size_t length);

// The name of a line  #define NAME ...  whose NAME begins with a selected
// prefix, pointing into the line; it ends at a space, a TAB or a NUL. False
// for any other line. nameStart is DefineNameStart's answer for the line.
bool ParseDefineName(const char* nameStart, const char* end, const PrefixSet& prefixes, std::string_view& name);
bool ParseDefineName(const char* text, std::size_t length, const PrefixSet& prefixes, std::string_view& name);

// The macro a #define line defines, as the preprocessor reads it (TABs may
// stand beside the spaces), without its parameters; empty for any other
// line. nameStart, when not null, is DefineNameStart's answer for the line,
// which spares reading its start again.
std::string_view DefinedMacroName(const char* text, std::size_t length, const char* nameStart = nullptr);

// text holds length characters of one line as read, its LF included. True
// when the line declares a code; the preprocessor is not imitated, so the
// value is simply the first number after the name.
bool ParseDefineLine(const char* nameStart, const char* end, const PrefixSet& prefixes, DefinedCode& code);
bool ParseDefineLine(const char* text, std::size_t length, const PrefixSet& prefixes, DefinedCode& code);

// The first number in [from, to): a run of digits, or 0x and hexadecimal
// digits, optionally after a minus sign. A digit or minus sign that directly
// follows a letter, digit or underscore is part of a word such as WIN32, not
// a number. A NUL ends the search. False when there is none.
bool FindNumber(const char* from, const char* to, DWORD& value);
