// A main window with its search window and a settings dialog that only
// records, and the settings' header and prefix lists set up by the test.
#pragma once

#include "MainWindowFixture.h"
#include "dialogs/SettingsDialogLink.h"
#include "dialogs/TfrmFind.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class RecordingSettingsDialog final : public SettingsDialogLink {
public:
    // "first page", "modal", in order.
    std::vector<std::string> calls;

    void ShowModal() override { calls.push_back("modal"); }
    void ShowFirstPage() override { calls.push_back("first page"); }
    void ShowSettingsHint() override {}
};

class CatalogueFixture : public MainWindowFixture {
public:
    using Entries = std::initializer_list<std::pair<std::string, bool>>;

    ~CatalogueFixture();

    // The main window shown and active, with its search window.
    TfrmMain& CreateShownWithFind();
    TfrmFind& Find() { return *find; }

    // Replaces the lists with entries of (text, selected).
    void SetHeaders(Entries entries);
    void SetPrefixes(Entries entries);

    RecordingSettingsDialog settingsDialog;

private:
    std::unique_ptr<TfrmFind> find;
};
