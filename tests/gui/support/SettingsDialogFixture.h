// A main window and its settings dialog over default settings, with the
// desktop, the file-open dialog and the header path windows faked. Change
// Settings before Create().
#pragma once

#include "MainWindowFixture.h"
#include "SettingsFakes.h"
#include "dialogs/TfrmSettings.h"

#include <QStringList>

#include <functional>
#include <memory>

class SettingsDialogFixture {
public:
    TSettings::tagGeneralOptions& Options() { return main.Options(); }
    TSettings::tagErrorsOptions& Lists() { return Settings->ErrorsOptions; }
    // Replaces the prefix list; every prefix starts unselected.
    void SetPrefixes(const QStringList& prefixes);

    TfrmSettings& Create();
    TfrmMain& Main() { return main.Window(); }
    TfrmSettings& Dialog() { return *dialog; }

    // Opens the dialog with the main window's Settings command, runs
    // inside once it is up, and closes it if inside left it open. Returns
    // whether the dialog came up and closed again in time.
    bool WhileOpen(const std::function<void()>& inside);

    MainWindowFixture main;
    FakeFileOpenDialog files;
    FakeWideTextWindows texts;

private:
    ScopedSeam<FileOpenDialog> fileSeam{files};
    ScopedSeam<WideTextWindows> textSeam{texts};
    std::unique_ptr<TfrmSettings> dialog;
};

// The texts of a list box's items, and the indexes of its selected items.
QStringList ItemTexts(const TListBox& list);
QList<int> SelectedItems(const TListBox& list);
// The prefix list of Settings with its selection flags, as "ERROR_*" for a
// selected entry.
QStringList PrefixesWithFlags();
