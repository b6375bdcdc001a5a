// What the Load command tells the user about a header that failed: the fixed
// text, and on a second line why, in the system's words.
#pragma once

#include "catalogue/LoadCodes.h"

#include <string>
#include <string_view>

// "Header file not found : "path". Check settings (F7)" for a missing header,
// "Unable to load header file : "path"" for one that could not be read; then
// a line feed and the system's message for the failure's code without its
// line end, or "Error " and the code when the system has no message for it.
std::string LoadFailureMessage(const FailedHeader& failed);

// A system message on one line, as a reason after a text of the program's
// own: line ends inside it become spaces, the last one is dropped; "Error "
// and the code when the message is empty.
std::string ReasonLine(std::string_view message, DWORD code);
// The same for a file at path that could not be read, followed by what the
// file system shows about why (FileFailureDetail), such as "is a folder".
std::string ReasonLine(std::string_view message, DWORD code, const std::string& path);
// The same for the system's message for code, in the program's code page.
std::string SystemReason(DWORD code);
