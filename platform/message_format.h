// Turning a stored message text into the 8-bit text FormatMessageA returns,
// for a call that passes no insert arguments.
#pragma once

#include "win32_types.h"

#include <string>
#include <string_view>

struct FormattedMessage {
    DWORD error = 0; // 0, or the code FormatMessageA fails with
    std::string text;
};

// Line ends: every line end of the stored text comes out as CR LF, whether it
// was CR LF, a bare LF or a bare CR, as the system's FormatMessage does; a
// line end at the very end is kept (the system's own messages end with one),
// and only %0 ends a message without it.
// Escapes: %n gives CR LF, %r CR, %t a tab, %0 ends the text; % followed by
// any other character gives that character (%% %. %! and "% " among them).
// An insert %1..%99 fails with ERROR_INVALID_PARAMETER, as there is nothing to
// insert, unless ignoreInserts keeps it, and with it every escape other than
// %n %r %t %0, as written. A % at the very end is malformed: the same error.
// Unicode becomes Windows-1252, with '?' for what the code page lacks.
FormattedMessage FormatMessageText(std::u16string_view message, bool ignoreInserts);

// The same text in UTF-8, for output that is not bound to the code page:
// every character of the table's text is kept.
FormattedMessage FormatMessageTextUtf8(std::u16string_view message, bool ignoreInserts);
