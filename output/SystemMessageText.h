// The system's message text for an error code, as the last-error pane and
// the code lists show it.
#pragma once

#include "platform/win32_types.h"

#include <string>

// The text exactly as the system gives it, line end included; empty when the
// system has no message for code. -1 stands for the calling thread's last
// error at the moment of the call.
std::string SystemMessageText(LONG code);

// The same text in UTF-8 from the table's Unicode text, for the command line,
// where the code page would lose characters. No last-error stand-in.
std::string SystemMessageTextUtf8(DWORD code);
