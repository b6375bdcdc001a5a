// What the search window, the Lookup window and the settings dialog may ask
// of the main window. The main window implements it; the dialogs know
// nothing else of it, so they build without the main window and never reach
// into its controls.
#pragma once

class QWidget;
struct DefinitionPlace;
struct SearchSettings;

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The search window. It hides and shows with the main window and takes
    // the main menu's shortcuts while the main window is enabled.
    virtual void SetFindWindow(QWidget* window) = 0;
    virtual void WatchShortcutsIn(QWidget* window) = 0;
    // Selects the next matching code, or tells why there is none.
    virtual bool FindCode(const SearchSettings& settings, QWidget* messageOwner) = 0;
    // The search window has been asked to close.
    virtual void FindWindowClosed() = 0;
    // Selects the code list's row of the definition at place; false when
    // no row is that definition.
    virtual bool SelectCodeRow(const DefinitionPlace& place) = 0;

    // The settings dialog's Other page applies its options at once.
    virtual void SetFlatButtons(bool flat) = 0;
    // Hint popups over the main window's controls.
    virtual void SetShowHint(bool show) = 0;
    virtual void AddTrayIcon(bool trayMode) = 0;
    virtual void RemoveTrayIcon() = 0;
    // The main status bar's hint panel: the long hint of the tool button
    // that opens the settings dialog, or nothing.
    virtual void ShowOptionsHint() = 0;
    virtual void ClearMainHint() = 0;
};
