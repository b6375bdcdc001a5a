#include "cli/Utf8Console.h"

// A terminal is told the encoding by the locale, which is UTF-8 on every
// desktop the program supports.
Utf8Console::Utf8Console() = default;

Utf8Console::~Utf8Console() = default;
