// View Declaration from the main window: which row it opens, the viewer
// shown modally, and the report for a header that is gone.
#include "support/DeclarationHeaders.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"
#include "dialogs/TfrmDeclaration.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

namespace {

// What a test learns of the viewer while it is open.
struct Seen {
    bool modal = false;
    QString caption;
    QString line;
    QString mnemonic;
    int caretBlock = -1;
    QPointer<TfrmDeclaration> viewer;
};

Seen ViewDeclaration(const std::function<void()>& command)
{
    Seen seen;
    WithModalWindow(command, [&](QWidget* modal) {
        seen.viewer = qobject_cast<TfrmDeclaration*>(modal);
        if (seen.viewer == nullptr)
            return;
        seen.modal = seen.viewer->isModal();
        seen.caption = seen.viewer->windowTitle();
        seen.line = seen.viewer->StatusBar1->PanelText(0);
        seen.mnemonic = seen.viewer->StatusBar1->PanelText(1);
        seen.caretBlock = seen.viewer->RichEdit1->textCursor().blockNumber();
    });
    return seen;
}

QByteArray TwoCodes()
{
    return "// codes\r\n\r\n#define ERROR_FIRST 1L\r\n#define ERROR_SECOND 2L\r\n";
}

} // namespace

class ViewDeclarationCommand : public QObject {
    Q_OBJECT

private slots:
    void popupItemOnTheCodeListOpensTheFocusedRow()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TestHeader header(TwoCodes());
        main.Codes->SetRows({header.Row("ERROR_FIRST", 3), header.Row("ERROR_SECOND", 4)});
        main.ListView1->SelectRow(1);
        FocusControl(main.ListView1);
        const Seen seen = ViewDeclaration([&] { main.pmnuCGotoCodes->trigger(); });
        QVERIFY(seen.modal);
        QCOMPARE(seen.caption, QString::fromStdString(header.Path()));
        QCOMPARE(seen.line, QStringLiteral("Line : 4"));
        QCOMPARE(seen.mnemonic, QStringLiteral("ERROR_SECOND"));
        QCOMPARE(seen.caretBlock, 3);
        QTRY_VERIFY_WITH_TIMEOUT(seen.viewer.isNull(), 2000);
    }

    void doubleClickOnTheActionListOpensItsRow()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TestHeader header(TwoCodes());
        main.Codes->SetRows({header.Row("ERROR_SECOND", 4)});
        main.Actions->SetRows({header.Row("ERROR_FIRST", 3)});
        main.ListView1->SelectRow(0);
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        main.lvAction->SelectRow(0);
        FocusControl(main.lvAction);
        const QRect cell = main.lvAction->visualRect(main.Actions->index(0, 0));
        // A widget's double click in QtTest is the second click only.
        QTest::mouseClick(main.lvAction->viewport(), Qt::LeftButton, {}, cell.center());
        const Seen seen =
            ViewDeclaration([&] { QTest::mouseDClick(main.lvAction->viewport(), Qt::LeftButton, {}, cell.center()); });
        QCOMPARE(seen.mnemonic, QStringLiteral("ERROR_FIRST"));
        QCOMPARE(seen.line, QStringLiteral("Line : 3"));
        QCOMPARE(seen.caretBlock, 2);
    }

    void nothingWithoutAFocusedList()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TestHeader header(TwoCodes());
        main.Codes->SetRows({header.Row("ERROR_FIRST", 3)});
        main.ListView1->SelectRow(0);
        FocusControl(main.txtOutput);
        QVERIFY(!WithModalWindow([&] { main.ListViewDblClick(); }, [](QWidget*) {}, 500));
        QVERIFY(fixture.boxes.shown.empty());
    }

    void theFocusedListWithoutASelectionDoesNotFallBackToTheOther()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TestHeader header(TwoCodes());
        main.Codes->SetRows({header.Row("ERROR_FIRST", 3)});
        main.Actions->SetRows({header.Row("ERROR_SECOND", 4)});
        main.ListView1->SelectRow(0);
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        FocusControl(main.lvAction);
        QVERIFY(!main.lvAction->HasSelection());
        QVERIFY(!WithModalWindow([&] { main.pmnuAGotoDeclaration->trigger(); }, [](QWidget*) {}, 500));
    }

    void aHeaderThatIsGoneGivesTheBoxAndNoViewer()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        std::string path;
        {
            TestHeader header(TwoCodes());
            path = header.Path();
            main.Codes->SetRows({header.Row("ERROR_FIRST", 3)});
        }
        main.ListView1->SelectRow(0);
        FocusControl(main.ListView1);
        QVERIFY(!WithModalWindow([&] { main.ListViewDblClick(); }, [](QWidget*) {}, 500));
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, "Cannot open file " + path);
        QCOMPARE(fixture.boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
        QVERIFY(main.findChildren<TfrmDeclaration*>().isEmpty());
    }

    void aFolderInPlaceOfTheHeaderIsRefused()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QTemporaryDir folder;
        CodeEntry row = CodeRow("ERROR_FIRST", "1");
        row.SubItems[ciHeader] = folder.path().toStdString();
        main.Codes->SetRows({row});
        main.ListView1->SelectRow(0);
        FocusControl(main.ListView1);
        QVERIFY(!WithModalWindow([&] { main.ListViewDblClick(); }, [](QWidget*) {}, 500));
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, "Cannot open file " + row.Header());
    }

    void escapeDestroysTheViewerAndTheNextViewingOpensANewOne()
    {
        MainWindowFixture fixture;
        // The viewer's Escape is its own: it must not also close the program.
        fixture.Options().EscapeAction = 2;
        TfrmMain& main = fixture.CreateShown();
        QSignalSpy mainClosed(&main, &TfrmMain::Closed);
        TestHeader header(TwoCodes());
        main.Codes->SetRows({header.Row("ERROR_FIRST", 3)});
        main.ListView1->SelectRow(0);
        FocusControl(main.ListView1);
        QPointer<TfrmDeclaration> first;
        bool closedByEscape = false;
        WithModalWindow([&] { main.ListViewDblClick(); },
                        [&](QWidget* modal) {
                            first = qobject_cast<TfrmDeclaration*>(modal);
                            if (first == nullptr)
                                return;
                            QTest::keyClick(first->RichEdit1, Qt::Key_Escape);
                            closedByEscape = !first->isVisible();
                        });
        QVERIFY(closedByEscape);
        QVERIFY(first.isNull());
        QCOMPARE(mainClosed.count(), 0);
        FocusControl(main.ListView1);
        const Seen second = ViewDeclaration([&] { main.pmnuCGotoCodes->trigger(); });
        QCOMPARE(second.mnemonic, QStringLiteral("ERROR_FIRST"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ViewDeclarationCommand command;
    return QTest::qExec(&command, argc, argv);
}

#include "tst_declaration_command.moc"
