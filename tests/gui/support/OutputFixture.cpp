#include "OutputFixture.h"

#include "widgets/CodeListModel.h"
#include "widgets/DragSource.h"
#include "app/OutputPaneBinding.h"
#include "widgets/TListView.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>

#include <memory>

void OutputFixture::SetColumns(bool mnemonic, bool code, bool facility, bool severity, bool header, bool line)
{
    TSettings::tagCopyOptions& options = CopyOptions();
    options.CopyMnemonic = mnemonic ? 1 : 0;
    options.CopyCode = code ? 1 : 0;
    options.CopyFacility = facility ? 1 : 0;
    options.CopySeverity = severity ? 1 : 0;
    options.CopyHeaderFile = header ? 1 : 0;
    options.CopyLineNumber = line ? 1 : 0;
}

TfrmMain& OutputFixture::CreateWithCodes(std::vector<CodeEntry> rows)
{
    TfrmMain& main = CreateShown();
    main.Codes->SetRows(std::move(rows));
    return main;
}

void OutputFixture::ClickRow(TListView& list, int row)
{
    const QRect cell = list.visualRect(list.model()->index(row, 0));
    if (!cell.isValid())
        qWarning("row %d is not shown", row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

void OutputFixture::ListCodes(std::initializer_list<int> rows)
{
    TfrmMain& main = Window();
    for (int row : rows) {
        ClickRow(*main.ListView1, row);
        main.cmdActionClick();
    }
}

std::string OutputFixture::PaneText()
{
    return Window().OutputText->Text();
}

CodeEntry FullRow(const char* mnemonic, const char* code, const char* header, const char* line, const char* offset)
{
    CodeEntry row = CodeRow(mnemonic, code);
    row.SubItems[ciN] = "1";
    row.SubItems[ciHeader] = header;
    row.SubItems[ciLine] = line;
    row.SubItems[ciLineOffset] = offset;
    row.SubItems[ciLineLength] = "40";
    return row;
}

QMimeData* DragFrom(const char* className)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(DragSourceMimeType), QByteArray(className));
    return data;
}

bool DropOn(QWidget& viewport, QMimeData* data)
{
    const std::unique_ptr<QMimeData> owned(data);
    const QPointF at(viewport.rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&viewport, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&viewport, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}
