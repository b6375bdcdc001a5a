// Message texts in UTF-8 from the message tables of the modules that hold
// them: the system's, WinInet's, Media Foundation's and, on Windows, ntdll's
// for NTSTATUS values.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>

enum class MessageModule { System, WinInet, MediaFoundation, NtDll };

// The file that holds the module's message table ("wininet.dll").
const char* MessageModuleDll(MessageModule module);

// The text FormatMessageW gives for id from the module's table in the user's
// language, in UTF-8. System gives exactly what SystemMessageUtf8 gives. The
// other modules read their own table only, for the identifier as it is (no
// HRESULT is read as a Win32 code), and keep a text's inserts ("%1") as they
// stand. Empty when the module or the id is missing, and for NtDll on Linux,
// where Wine's ntdll has no table. Each module is read once per process.
std::string ModuleMessageUtf8(MessageModule module, DWORD id);

// The same text in one language alone (or another country's form of it,
// de-AT for de-DE), for showing languages side by side: empty when the
// module holds no text for id in that language, rather than another
// language's.
std::string ModuleMessageUtf8InLanguage(MessageModule module, DWORD id, std::uint16_t language);
