// A define that gives a code by naming another one:
//   #define DNS_ERROR_NO_MEMORY ERROR_OUTOFMEMORY
//   #define E_NOT_SUFFICIENT_BUFFER HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)
// The scan yields no row for these, having no number to read; the lookup
// resolves them against the names it knows.
#pragma once

#include <cstddef>
#include <string_view>

class PrefixSet;

struct AliasDefine {
    std::string_view Name;   // the defined name, in the line
    std::string_view Target; // the name it stands for, in the line
    bool FromWin32 = false;  // HRESULT_FROM_WIN32 (or __HRESULT_FROM_WIN32) of Target
};

// text holds length characters of one line as read. True for a line
// #define NAME value  whose NAME begins with a selected prefix and whose
// value is a name or HRESULT_FROM_WIN32 of a name, within any parentheses,
// with nothing after it but blanks and a comment.
bool ParseAliasLine(const char* text, std::size_t length, const PrefixSet& prefixes, AliasDefine& alias);
