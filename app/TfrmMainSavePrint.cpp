// Save and Print: both act on the text pane that has the focus, Memo1 or
// txtOutput, and do nothing when neither has it or it is empty.
#include "app/TfrmMain.h"

#include "app/AppObject.h"
#include "output/FileReplacement.h"
#include "output/SavedText.h"
#include "widgets/AnsiQString.h"
#include "widgets/PaneText.h"
#include "widgets/PlainTextPrinting.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/seams/PrinterService.h"
#include "widgets/TSaveDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>

#include <stdexcept>
#include <string>

namespace {

constexpr const char* SaveFilter = "Text files (*.txt)|*.txt|C/C++ files (*.c;*.cpp)|*.c;*.cpp|All files (*.*)|*.*";
constexpr const char* PrintJobTitle = "Vantrel";

// The framework's standard error box.
void ShowError(const std::string& text)
{
    ShowException(std::runtime_error(text));
}

// The save dialog leaves the question about a file that is there to its
// caller; a file is replaced only on the user's word.
bool ReplaceConfirmed(QWidget* owner, const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return true;
    const std::string question = ToAnsi(fileName) + " already exists.\r\nDo you want to replace it?";
    return MessageBoxA(owner, question.c_str(), "Confirm Save As", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

// A character the code page lacks is saved as '?', which loses it for good.
bool LossAccepted(QWidget* owner, const QString& text)
{
    const std::size_t lost = UnmappableCharacterCount(text.toStdU16String());
    if (lost == 0)
        return true;
    const std::string warning = std::to_string(lost) + (lost == 1 ? " character has" : " characters have")
                                + " no place in the Windows-1252 code page and will be saved as '?'.";
    return MessageBoxA(owner, warning.c_str(), "Confirm", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

} // namespace

void TfrmMain::BindSaveAndPrint()
{
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Choice.Filter = QString::fromLatin1(SaveFilter);
}

void TfrmMain::cmdSaveClick()
{
    const QWidget* focused = QApplication::focusWidget();
    QPlainTextEdit* pane = nullptr;
    if (focused == Memo1) {
        pane = Memo1;
        SaveDialog1->Choice.Title = QStringLiteral("Save GetLastError() result as...");
    } else if (focused == txtOutput) {
        pane = txtOutput;
        SaveDialog1->Choice.Title = QStringLiteral("Save text from output window as...");
    } else {
        return;
    }
    if (pane->document()->isEmpty() || !SaveDialog1->Execute())
        return;

    const QString& fileName = SaveDialog1->Choice.FileName;
    if (!ReplaceConfirmed(this, fileName) || !LossAccepted(this, pane->toPlainText()))
        return;
    const std::string bytes = SavedTextBytes(PaneAnsiText(*pane));
    if (!WriteFileReplacing(QFile::encodeName(fileName).constData(), bytes))
        ShowError("Cannot create file " + ToAnsi(fileName));
}

void TfrmMain::cmdPrintClick()
{
    const QWidget* focused = QApplication::focusWidget();
    const QPlainTextEdit* pane = focused == Memo1 ? Memo1 : focused == txtOutput ? txtOutput : nullptr;
    if (pane == nullptr || pane->document()->isEmpty())
        return;

    const std::unique_ptr<QPrinter> printer = Seam<PrinterService>::Get().DefaultPrinter();
    if (printer == nullptr) {
        ShowError("There is no default printer currently selected");
        return;
    }
    printer->setDocName(QString::fromLatin1(PrintJobTitle));
    if (!PrintPlainText(*printer, pane->toPlainText()))
        ShowError("Printing failed");
}
