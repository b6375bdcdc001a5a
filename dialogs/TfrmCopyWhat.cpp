#include "dialogs/TfrmCopyWhat.h"

#include "settings/TSettings.h"
#include "widgets/AnsiQString.h"
#include "widgets/KeyPreview.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

// The column flags in the order of the check boxes.
std::array<BYTE*, 6> ColumnFlags(TSettings::tagCopyOptions& options)
{
    return {&options.CopyMnemonic, &options.CopyCode,       &options.CopyFacility,
            &options.CopySeverity, &options.CopyHeaderFile, &options.CopyLineNumber};
}

} // namespace

TfrmCopyWhat::TfrmCopyWhat(QWidget* owner, LPCSTR caption) : QDialog(owner)
{
    BuildLayout(owner);
    setWindowTitle(FromAnsi(caption != nullptr ? caption : ""));

    TSettings::tagCopyOptions& options = Settings->CopyOptions;
    const std::array<BYTE*, 6> flags = ColumnFlags(options);
    const std::array<QCheckBox*, 6> boxes = ColumnBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(*flags[i] != 0);
    (options.CopyToClipboard != 0 ? rbClipboard : rbOutputWindow)->setChecked(true);
    (options.ReplaceOutput != 0 ? rbReplace : rbAppend)->setChecked(true);

    auto* keys = new KeyPreview(this, [this](QWidget*, QKeyCombination key) {
        if (key.keyboardModifiers() != Qt::NoModifier)
            return false;
        switch (key.key()) {
        case Qt::Key_Escape: FormKeyPress(EscapeKey); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: FormKeyPress(EnterKey); return true;
        default: return false;
        }
    });
    keys->Watch(this);
}

std::array<QCheckBox*, 6> TfrmCopyWhat::ColumnBoxes() const
{
    return {chkMnemonic, chkCode, chkFacility, chkSeverity, chkHeaderFile, chkLineNumber};
}

void TfrmCopyWhat::FormKeyPress(char key)
{
    if (key == EscapeKey || key == EnterKey)
        close();
}

void TfrmCopyWhat::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmCopyWhat::FormClose()
{
    TSettings::tagCopyOptions& options = Settings->CopyOptions;
    const std::array<BYTE*, 6> flags = ColumnFlags(options);
    const std::array<QCheckBox*, 6> boxes = ColumnBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        *flags[i] = boxes[i]->isChecked() ? 1 : 0;
    options.CopyToClipboard = rbClipboard->isChecked() ? 1 : 0;
    options.ReplaceOutput = rbReplace->isChecked() ? 1 : 0;
}
