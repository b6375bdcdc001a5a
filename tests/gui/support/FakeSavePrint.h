// Fakes of the save dialog and of the default printer: the dialog records
// what it was asked to offer and answers names in order, the printer prints
// into a PDF file.
#pragma once

#include "widgets/seams/FileSaveDialog.h"
#include "widgets/seams/PrinterService.h"

#include <QString>

#include <deque>
#include <vector>

class FakeFileSaveDialog final : public FileSaveDialog {
public:
    // What each use of the dialog was given, in order.
    std::vector<FileSaveChoice> offered;
    // The names the user picks, in order; a null QString cancels, and so
    // does running out of them.
    std::deque<QString> answers;
    // The filter the user switches to (0: keeps the offered one).
    int chosenFilterIndex = 0;

    bool Execute(QWidget* owner, FileSaveChoice& choice) override;
};

class FakePrinter final : public PrinterService {
public:
    // The PDF file the default printer prints into; empty: there is no
    // default printer.
    QString pdfFile;
    int asked = 0;

    std::unique_ptr<QPrinter> DefaultPrinter() override;
};
