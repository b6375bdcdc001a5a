// The main window as laid out: controls found by their names, the lists'
// columns, the status bar, the look, and the splitter's limits.
#include "support/MainWindowFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/SplitterRule.h"
#include "widgets/TListView.h"
#include "widgets/TSplitter.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitterHandle>
#include <QTabWidget>
#include <QTest>

class MainWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void controlsAreFoundByTheirNames()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        for (const char* name : {"cmdLoad", "cmdSave", "cmdPrint", "cmdGetLastErrorManual", "cmdActionMake",
                                 "cmdActionListClear", "cmdActionListDelete", "cmdAction", "cmdCopy", "cmdFind",
                                 "cmdFindNext", "cmdOptions", "cmdAbout", "cmdCall"})
            QVERIFY2(main.findChild<TSpeedButton*>(QString::fromLatin1(name)) != nullptr, name);
        for (const char* name : {"mnuLoad", "mnuSave", "mnuPrint", "mnuExit", "mnuCopy", "mnuAction", "mnuFind",
                                 "mnuFindNext", "mnuMaximizeRestore", "mnuSettings", "mnuCopySettings", "mnuAbout",
                                 "pmnuCGotoCodes", "pmnuAGotoCodes", "TrayMenuRestore", "TrayMenuClose"})
            QVERIFY2(main.findChild<QAction*>(QString::fromLatin1(name)) != nullptr, name);
        QCOMPARE(main.findChild<QPlainTextEdit*>(QStringLiteral("txtOutput")), main.txtOutput);
        QCOMPARE(main.findChild<TListView*>(QStringLiteral("ListView1")), main.ListView1);
    }

    void leftPaneAsItStartsUp()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        QCOMPARE(main.PageControl1->count(), 3);
        QCOMPARE(main.PageControl1->tabText(0), QStringLiteral("GetLastError"));
        QCOMPARE(main.PageControl1->tabText(1), QStringLiteral("Output"));
        QCOMPARE(main.PageControl1->tabText(2), QStringLiteral("Action"));
        QCOMPARE(main.PageControl1->currentIndex(), 0);
        QVERIFY(main.panManual->isHidden());
        QCOMPARE(main.txtManualCode->text(), QStringLiteral("0"));
        QVERIFY(main.Memo1->isReadOnly());
        QVERIFY(main.Memo1->toPlainText().isEmpty());
        QCOMPARE(main.txtOutput->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!main.txtOutput->tabChangesFocus());
        QVERIFY(main.cmdGetLastErrorManual->isCheckable());
    }

    void listColumnsAndWidths()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        const QStringList captions{"Mnemonic", "Code", "Facility", "Severity", "N", "Header", "Line"};
        const int widths[] = {130, 50, 60, 70, 50, 50, 50};
        QCOMPARE(main.Codes->columnCount(), 7);
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(main.Codes->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), captions[column]);
            QCOMPARE(main.ListView1->columnWidth(column), widths[column]);
        }
        QCOMPARE(main.Actions->columnCount(), 2);
        QCOMPARE(main.lvAction->columnWidth(0), 190);
    }

    void rowsShowTheMnemonicImageAndSubItems()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        CodeEntry row = CodeRow("E_FAIL", "2147500037");
        row.ImageIndex = 2;
        row.SubItems[ciLine] = "120";
        main.Codes->SetRows({row});
        QCOMPARE(main.Codes->data(main.Codes->index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("E_FAIL"));
        QCOMPARE(main.Codes->data(main.Codes->index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("2147500037"));
        QCOMPARE(main.Codes->data(main.Codes->index(0, 6), Qt::DisplayRole).toString(), QStringLiteral("120"));
        QVERIFY(!main.Codes->data(main.Codes->index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!(main.Codes->flags(main.Codes->index(0, 0)) & Qt::ItemIsEditable));
    }

    void statusBarPanels()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        QCOMPARE(main.StatusBar1->PanelCount(), 6);
        const QStringList texts{"", "Headers", "0", "Codes", "0", ""};
        for (int panel = 0; panel < 6; ++panel)
            QCOMPARE(main.StatusBar1->PanelText(panel), texts[panel]);
    }

    void captionIconAndFont()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        QCOMPARE(main.windowTitle(), QStringLiteral("Vantrel"));
        QVERIFY(!main.windowIcon().isNull());
        QCOMPARE(main.font().pixelSize(), 15);
        QCOMPARE(main.font().families().value(0), QStringLiteral("Times New Roman"));
        QCOMPARE(main.txtOutput->font().pixelSize(), 15);
        QCOMPARE(main.TrayTip(), std::string("Vantrel"));
    }

    void splitterKeepsBothPanesAtTheMinimum()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QCOMPARE(main.Splitter1->MinSize(), 209);
        const int width = main.Splitter1->contentsRect().width();
        QCOMPARE(main.Splitter1->ClampedPosition(100), 209);
        QCOMPARE(main.Splitter1->ClampedPosition(width), width - 209 - main.Splitter1->handleWidth());
        QCOMPARE(main.Splitter1->ClampedPosition(250), std::min(250, width - 209 - main.Splitter1->handleWidth()));
    }

    void draggingTheSplitterStopsAtTheMinimum()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.resize(700, main.height());
        QTRY_COMPARE(main.Splitter1->width(), 700);
        QSplitterHandle* handle = main.Splitter1->handle(1);
        const QPoint grip(handle->width() / 2, handle->height() / 2);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(-150, 0));
        QCOMPARE(main.Panel1->width(), 209);
        QTest::mouseMove(handle, grip + QPoint(+200, 0));
        QCOMPARE(main.Panel1->width(), 409);
        QTest::mouseMove(handle, grip + QPoint(+400, 0));
        QCOMPARE(main.ListView1->width(), 209);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(+400, 0));
    }
};

class SplitterLimits : public QObject {
    Q_OBJECT

private slots:
    void requestsAreHeldBetweenTheLimits()
    {
        QCOMPARE(ClampSplitPosition(150, 209, 500, 4), 209);
        QCOMPARE(ClampSplitPosition(250, 209, 500, 4), 250);
        QCOMPARE(ClampSplitPosition(400, 209, 500, 4), 287);
        QCOMPARE(ClampSplitPosition(287, 209, 500, 4), 287);
    }

    void tooNarrowAWindowFavoursTheRequestDirection()
    {
        // 300 pixels hold no two panes of 209: a small request still gets
        // the minimum, a large one the room that is left.
        QCOMPARE(ClampSplitPosition(100, 209, 300, 4), 209);
        QCOMPARE(ClampSplitPosition(250, 209, 300, 4), 87);
        QCOMPARE(ClampSplitPosition(250, 209, 150, 4), 0);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    MainWindowLayout layout;
    failures += QTest::qExec(&layout, argc, argv);
    SplitterLimits limits;
    failures += QTest::qExec(&limits, argc, argv);
    return failures;
}

#include "tst_layout.moc"
