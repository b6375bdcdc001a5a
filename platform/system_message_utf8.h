// System message texts in UTF-8, for output that is not bound to the
// program's 8-bit code page (the command line): no character is lost.
#pragma once

#include "platform/win32.h"

#include <string>

class MessageImage;

// The message FormatMessageA gives for messageId from the system's table in
// the user's language (0x400, with the same fallbacks), but in UTF-8 straight
// from the table's Unicode text. Empty when FormatMessageA would fail.
std::string SystemMessageUtf8(DWORD messageId);

// The same from a message DLL's tables.
std::string MessageUtf8FromImage(MessageImage& image, DWORD messageId);
