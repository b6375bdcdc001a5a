// The one-line text that Copy makes of a code-list row.
#pragma once

#include "catalogue/CodeEntry.h"
#include "settings/TSettings.h"

#include <string>

// True when at least one of the six column flags is on; with none there is
// nothing to copy.
bool HasCopyColumns(const TSettings::tagCopyOptions& options);

// The parts whose flags are on, in the fixed order Mnemonic, Code, Facility,
// Severity, FileName, Line, each label as " Word : ", with no line end.
// The destination flags play no part here.
std::string FormatCopyText(const CodeEntry& row, const TSettings::tagCopyOptions& options);
