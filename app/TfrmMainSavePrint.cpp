// Save and Print: both act on the text pane that has the focus, Memo1 or
// txtOutput, and do nothing when neither has it or it is empty.
#include "app/TfrmMain.h"

#include "app/AppObject.h"
#include "output/FileReplacement.h"
#include "output/SavedText.h"
#include "widgets/AnsiQString.h"
#include "widgets/PaneText.h"
#include "widgets/PlainTextPrinting.h"
#include "widgets/seams/PrinterService.h"
#include "widgets/TSaveDialog.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>

#include <stdexcept>

namespace {

constexpr const char* SaveFilter = "Text files (*.txt)|*.txt|C/C++ files (*.c;*.cpp)|*.c;*.cpp|All files (*.*)|*.*";
constexpr const char* PrintJobTitle = "Vantrel";

// The framework's standard error box.
void ShowError(const std::string& text)
{
    ShowException(std::runtime_error(text));
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
