// The search window: the search text and its options, kept for the whole run
// and used by Find next also while the window is closed. It sees the keys
// typed in it before its controls do.
#pragma once

#include "catalogue/SearchCodes.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class MainWindowLink;

class TfrmFind : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFind(MainWindowLink& main);

    // The search the controls describe.
    SearchSettings CurrentSettings() const;
    // Shows the window, or brings it to the front, with the text box
    // focused; the main window stays usable.
    void ShowInFront();
    // Runs before the focused control gets the key.
    void Edit1KeyDown(int key);

    QGroupBox* GroupBox2;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLineEdit* Edit1;
    QGroupBox* GroupBox1;
    QRadioButton* rbUp;
    QRadioButton* rbDown;
    QRadioButton* rbCycl;
    QGroupBox* GroupBox3;
    QCheckBox* chkWholeWords;
    QCheckBox* chkCaseSens;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // FormCloseQuery: closing is always allowed and only hides the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();

    MainWindowLink& main;
};

// The search window of the run; null outside it.
extern TfrmFind* frmFind;

// Makes the search window of main, which then takes the main menu's
// shortcuts while the main window is enabled.
std::unique_ptr<TfrmFind> CreateFindWindow(MainWindowLink& main);
