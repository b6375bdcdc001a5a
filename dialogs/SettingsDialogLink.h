// What the main window needs of the settings dialog: showing it modally,
// and the dialog's hint handler, which writes the application hint into
// the dialog's own status bar while the dialog is open.
#pragma once

class SettingsDialogLink {
public:
    virtual ~SettingsDialogLink() = default;
    // Returns when the dialog has closed.
    virtual void ShowModal() = 0;
    // Turns the dialog to its first page, "General", whichever page was
    // showing when it last closed.
    virtual void ShowFirstPage() = 0;
    virtual void ShowSettingsHint() = 0;
};
