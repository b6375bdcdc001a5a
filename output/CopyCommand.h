// What the Copy command does once the window has found the selected row:
// builds the copy text and delivers it to the clipboard or the Output pane,
// appending or replacing as the copy settings say.
#pragma once

#include "catalogue/CodeEntry.h"
#include "output/Clipboard.h"
#include "output/OutputPane.h"
#include "output/UserMessages.h"
#include "settings/TSettings.h"

#include <optional>

enum class CopyResult {
    Copied,
    // All six column flags are off: the window tells the user and opens the
    // copy-settings dialog; nothing is copied, also not after it closes.
    SettingsNotDefined,
    NoSelectedRow,
    // The pane took the line only in part or not at all.
    OutputPaneFull,
    // Reading the clipboard for an append failed: the copy is dropped
    // silently and the clipboard stays as it was.
    ClipboardUnreadable,
};

// selectedRow is null when the code list has no selected row.
CopyResult CopyRow(const CodeEntry* selectedRow, const TSettings::tagCopyOptions& options, Clipboard& clipboard,
                   OutputPane& pane);

// The message box the window shows for a result, if any.
std::optional<UserMessage> MessageFor(CopyResult result);
