// The copy-settings dialog: which columns Copy takes and where the text
// goes. It edits the copy options of Settings, shown as they are when it
// opens and stored back however it closes; it has no buttons.
#pragma once

#include "platform/win32_types.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QRadioButton;

class TfrmCopyWhat : public QDialog {
    Q_OBJECT
public:
    // caption is in the program's code page.
    TfrmCopyWhat(QWidget* owner, LPCSTR caption);

    // The window sees every key before its controls: Escape and Enter
    // close it.
    void FormKeyPress(char key);

    QFrame* Bevel1;
    QCheckBox* chkMnemonic;
    QCheckBox* chkCode;
    QCheckBox* chkFacility;
    QCheckBox* chkSeverity;
    QCheckBox* chkHeaderFile;
    QCheckBox* chkLineNumber;
    QGroupBox* GroupBox1;
    QRadioButton* rbClipboard;
    QRadioButton* rbOutputWindow;
    QGroupBox* GroupBox2;
    QRadioButton* rbAppend;
    QRadioButton* rbReplace;

protected:
    // Every way of closing ends here.
    void done(int result) override;

private:
    void BuildLayout(QWidget* owner);
    void FormClose();
    // In the order of the column flags.
    std::array<QCheckBox*, 6> ColumnBoxes() const;
};
