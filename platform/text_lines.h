// Reading a text file line by line as the C runtime's text mode reads it on
// Windows: CR LF reads as LF, and Ctrl+Z ends the text.
#pragma once

#include <cstdio>

// std::fgets in that text mode: up to size - 1 characters, through the first
// LF; null at the end of the text.
char* ReadTextLine(char* buffer, int size, std::FILE* file);
