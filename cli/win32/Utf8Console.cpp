#include "cli/Utf8Console.h"

#include "platform/win32.h"

namespace {

// The console's code page belongs to the console, not to the process: it
// outlives the run, so it is given back however the run ends, Ctrl+C
// included. 0 while nothing was changed.
UINT previousCodePage = 0;

void GiveBackCodePage()
{
    if (previousCodePage != 0)
        SetConsoleOutputCP(previousCodePage);
    previousCodePage = 0;
}

BOOL WINAPI OnConsoleBreak(DWORD)
{
    GiveBackCodePage();
    return FALSE; // the default handler ends the process as before
}

} // namespace

// Without a console (output to a file or pipe from a service) there is
// nothing to set; the bytes go out as UTF-8 all the same.
Utf8Console::Utf8Console()
{
    const UINT current = GetConsoleOutputCP();
    if (current == 0 || current == CP_UTF8)
        return;
    if (SetConsoleOutputCP(CP_UTF8)) {
        previousCodePage = current;
        SetConsoleCtrlHandler(OnConsoleBreak, TRUE);
    }
}

Utf8Console::~Utf8Console()
{
    GiveBackCodePage();
}
