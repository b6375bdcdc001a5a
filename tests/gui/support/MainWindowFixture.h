// A main window over default settings, with the tray, the beep, the About
// box, the message boxes, the save dialog and the printer faked. Change
// Settings before Create().
#pragma once

#include "FakeSavePrint.h"
#include "FakeSeams.h"
#include "app/TfrmMain.h"
#include "catalogue/CodeEntry.h"
#include "settings/TSettings.h"

#include <memory>
#include <vector>

class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    TSettings::tagGeneralOptions& Options() { return settings.GeneralOptions; }
    TfrmMain& Create();
    // Shows the window and makes it the active window.
    TfrmMain& CreateShown();
    TfrmMain& Window() { return *window; }
    void Destroy() { window.reset(); }

    FakeTray tray;
    FakeBeep beep;
    FakeAboutBox about;
    FakeMessageBoxes boxes;
    // Cancels every save, and has no default printer unless told.
    FakeFileSaveDialog saveDialog;
    FakePrinter printer;

private:
    TSettings settings{nullptr};
    TSettings* previousSettings;
    ScopedSeam<TrayShell> traySeam{tray};
    ScopedSeam<SystemBeep> beepSeam{beep};
    ScopedSeam<AboutBoxService> aboutSeam{about};
    ScopedSeam<MessageBoxService> boxSeam{boxes};
    ScopedSeam<FileSaveDialog> saveDialogSeam{saveDialog};
    ScopedSeam<PrinterService> printerSeam{printer};
    std::unique_ptr<TfrmMain> window;
};

CodeEntry CodeRow(const char* mnemonic, const char* code);
std::vector<CodeEntry> CodeRows(int count);

// Gives the focus to control and waits until its window has it.
void FocusControl(QWidget* control);
