// Conversions between the program's 8-bit texts (Windows-1252) and Unicode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves unassigned map to the C1 control of the same value, as Windows does.
char32_t Ansi1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int UnicodeToAnsi1252(char32_t codePoint);

std::string Ansi1252ToUtf8(std::string_view text);

// Appends the UTF-8 form of a code point. A lone surrogate has no UTF-8 form
// of its own; it becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// Code points the code page cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToAnsi1252(std::string_view text);

// Nothing when the text holds a code point the code page lacks, or is not
// well-formed UTF-8.
std::optional<std::string> Utf8ToAnsi1252Exactly(std::string_view text);

// Whether every character of a UTF-16 text has a Windows-1252 byte.
bool FitsAnsi1252(std::u16string_view text);
