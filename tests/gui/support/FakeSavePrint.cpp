#include "FakeSavePrint.h"

#include <QPrinter>

bool FakeFileSaveDialog::Execute(QWidget*, FileSaveChoice& choice)
{
    offered.push_back(choice);
    if (answers.empty())
        return false;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull())
        return false;
    choice.FileName = answer;
    if (chosenFilterIndex != 0)
        choice.FilterIndex = chosenFilterIndex;
    return true;
}

std::unique_ptr<QPrinter> FakePrinter::DefaultPrinter()
{
    ++asked;
    if (pdfFile.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfFile);
    return printer;
}
