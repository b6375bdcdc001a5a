// The text that tells the user at exit that the settings could not be saved.
#pragma once

#include "platform/win32_types.h"

#include <string>

// Names the file (given as the system spells it) and the reason for code, in
// the program's 8-bit code page.
std::string SettingsNotSavedText(const std::string& fileName, DWORD code);
