// The byte layout of vantrel.dat: the fixed header, the option blocks and the
// two lists as TSSF blocks, each followed by its selection flags.
#pragma once

#include "platform/win32_types.h"

class TSettings;

namespace SettingsFile {

constexpr DWORD FILE_SIGNATURE = 0x000914CB;

// True on success; false with the thread's last error holding the reason.
bool Load(TSettings& settings, LPCSTR fileName);

// Writes a complete new file beside fileName and only then puts it in place,
// so a failed save leaves any older file byte-identical.
bool Save(const TSettings& settings, LPCSTR fileName);

} // namespace SettingsFile
