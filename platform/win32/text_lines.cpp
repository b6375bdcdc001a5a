#include "platform/text_lines.h"

// A file opened with "r" is in text mode already.
char* ReadTextLine(char* buffer, int size, std::FILE* file)
{
    return std::fgets(buffer, size, file);
}
