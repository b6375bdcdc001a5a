// The byte layout of vantrel.dat: the fixed header, the option blocks and the
// two lists as TSSF blocks, each followed by its selection flags.
#pragma once

#include "platform/win32_types.h"

#include <string>

class TSettings;

namespace SettingsFile {

constexpr DWORD FILE_SIGNATURE = 0x000914CB;

// True on success; false with the thread's last error holding the reason.
// A damaged or cut-off file changes nothing in settings; only running out
// of memory while taking the lists over can leave them emptied, which is
// why the caller applies the defaults after any false.
bool Load(TSettings& settings, LPCSTR fileName);

// Writes a complete new file beside fileName and only then puts it in place,
// so a failed save leaves any older file byte-identical. With keepSuffix the
// file it replaces is first moved aside to its name with keepSuffix added.
// Not const: the list's block writer is not.
bool Save(TSettings& settings, LPCSTR fileName, const std::string& keepSuffix = {});

} // namespace SettingsFile
