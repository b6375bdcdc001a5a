// The texts that tell the user about vantrel.dat: at start when it could not
// be read, at exit when the settings could not be saved to it.
#pragma once

#include "platform/win32_types.h"

#include <string>

// Names the file (given as the system spells it), the reason for code and
// what the file system shows about it, in the program's 8-bit code page.
std::string SettingsNotReadText(const std::string& fileName, DWORD code);
std::string SettingsNotSavedText(const std::string& fileName, DWORD code);
