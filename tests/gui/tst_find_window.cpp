// The search window: opening and closing it, its keys, and the search it
// runs in the code list in each direction and with each option.
#include "support/CatalogueFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "app/Startup.h"
#include "widgets/TListView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

std::vector<CodeEntry> Mnemonics(std::initializer_list<const char*> names)
{
    std::vector<CodeEntry> rows;
    int code = 0;
    for (const char* name : names)
        rows.push_back(CodeRow(name, std::to_string(code++).c_str()));
    return rows;
}

TfrmFind& OpenFind(CatalogueFixture& fixture, const QString& text = {})
{
    fixture.Window().cmdFindClick();
    TfrmFind& find = fixture.Find();
    if (!QTest::qWaitForWindowActive(&find))
        qWarning("the search window did not become active");
    find.Edit1->setText(text);
    return find;
}

void Focus(TListView* list, int row)
{
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

} // namespace

class FindWindowOpenAndClose : public QObject {
    Q_OBJECT

private slots:
    void opensModelessOnTopWithItsDefaults()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        TfrmFind& find = OpenFind(fixture);
        QVERIFY(main.FindVisible);
        QCOMPARE(find.windowTitle(), QStringLiteral("Search for... (F3)"));
        QVERIFY(find.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(find.windowType(), Qt::Tool);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(QApplication::focusWidget(), find.Edit1);
        QVERIFY(find.RadioButton1->isChecked());
        QVERIFY(find.rbCycl->isChecked());
        QVERIFY(!find.chkWholeWords->isChecked());
        QVERIFY(!find.chkCaseSens->isChecked());
    }

    void escapeClosesAndTheTextIsKept()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        TfrmFind& find = OpenFind(fixture, QStringLiteral("ERROR_"));
        QTest::keyClick(find.Edit1, Qt::Key_Escape);
        QVERIFY(!find.isVisible());
        QVERIFY(!main.FindVisible);
        QVERIFY(fixture.boxes.shown.empty());
        main.cmdFindClick();
        QCOMPARE(find.Edit1->text(), QStringLiteral("ERROR_"));
    }

    void findNextWithAnEmptyTextOpensTheWindow()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(CodeRows(3));
        main.OnControlChange();
        QTest::keyClick(main.windowHandle(), Qt::Key_F3);
        QVERIFY(fixture.Find().isVisible());
        QVERIFY(main.FindVisible);
        QVERIFY(fixture.boxes.shown.empty());
    }

    void aKeyOnAnotherControlReturnsTheFocusToTheText()
    {
        CatalogueFixture fixture;
        fixture.CreateShownWithFind();
        TfrmFind& find = OpenFind(fixture);
        find.chkCaseSens->setFocus();
        QTest::keyClick(find.chkCaseSens, Qt::Key_A);
        QCOMPARE(QApplication::focusWidget(), find.Edit1);
        QTest::keyClick(find.Edit1, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != find.Edit1);
    }

    void ctrlXInTheTextClosesTheProgram()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        TfrmFind& find = OpenFind(fixture, QStringLiteral("text"));
        QSignalSpy closed(&main, &TfrmMain::Closed);
        QTest::keyClick(find.Edit1, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(find.Edit1->text(), QStringLiteral("text"));
    }

    void theRunMakesItAfterTheMainWindow()
    {
        FakeMessageBoxes boxes;
        FakeTray tray;
        FakeBeep beep;
        ScopedSeam<MessageBoxService> boxSeam(boxes);
        ScopedSeam<TrayShell> traySeam(tray);
        ScopedSeam<SystemBeep> beepSeam(beep);
        QTemporaryDir folder;
        StartupOptions options;
        options.executablePath = (folder.path() + QStringLiteral("/vantrel")).toStdString();
        std::vector<std::string> made;
        options.beforeWindowCreated = [&made](const char* window) { made.emplace_back(window); };
        bool wired = false;
        QTimer::singleShot(0, [&wired] {
            wired = frmFind != nullptr && frmMain->FindWindow() == frmFind;
            frmMain->close();
        });
        int argc = 1;
        char name[] = "vantrel";
        char* argv[] = {name, nullptr};
        RunVantrel(argc, argv, options);
        QVERIFY(made.size() >= 2);
        QCOMPARE(made[0], std::string("frmMain"));
        QCOMPARE(made[1], std::string("frmFind"));
        QVERIFY(wired);
        QVERIFY(frmFind == nullptr);
    }
};

class CodeSearch : public QObject {
    Q_OBJECT

private:
    // One search from the window with the given direction; the found row, or
    // -1 with the box in shown.
    static int Search(CatalogueFixture& fixture, QRadioButton* direction, const char* text)
    {
        TfrmFind& find = fixture.Find();
        direction->setChecked(true);
        find.Edit1->setText(QString::fromLatin1(text));
        const std::size_t boxes = fixture.boxes.shown.size();
        QTest::keyClick(find.Edit1, Qt::Key_Return);
        if (fixture.boxes.shown.size() > boxes)
            return -1;
        return fixture.Window().ListView1->SelectedRow();
    }

    static void CompareLastBox(CatalogueFixture& fixture, const char* text, const char* caption, UINT flags)
    {
        QVERIFY(!fixture.boxes.shown.empty());
        QCOMPARE(fixture.boxes.shown.back().text, std::string(text));
        QCOMPARE(fixture.boxes.shown.back().caption, std::string(caption));
        QCOMPARE(fixture.boxes.shown.back().flags, flags);
    }

private slots:
    void eachDirectionFromTheFocusedRow()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Mnemonics({"ERROR_FILE_NOT_FOUND", "ERROR_PATH", "ERROR_FILE_EXISTS", "ERROR_X"}));
        TfrmFind& find = OpenFind(fixture);
        Focus(main.ListView1, 2);
        QCOMPARE(Search(fixture, find.rbCycl, "file"), 0);
        QCOMPARE(main.ListView1->currentIndex().row(), 0);
        QCOMPARE(Search(fixture, find.rbDown, "file"), 2);
        QCOMPARE(Search(fixture, find.rbDown, "file"), -1);
        CompareLastBox(fixture, "Mnemonic : \"FILE\" not found", "Direction : DOWN", MB_ICONINFORMATION);
        QCOMPARE(main.ListView1->SelectedRow(), 2);
        QCOMPARE(Search(fixture, find.rbUp, "file"), 0);
        QCOMPARE(Search(fixture, find.rbUp, "file"), -1);
        CompareLastBox(fixture, "Mnemonic : \"FILE\" not found", "Direction : UP", MB_ICONINFORMATION);
        QCOMPARE(QApplication::focusWidget(), find.Edit1);
    }

    void withoutAFocusedRowTheSearchStartsAtAnEnd()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Mnemonics({"ERROR_FILE_NOT_FOUND", "ERROR_PATH", "ERROR_FILE_EXISTS"}));
        TfrmFind& find = OpenFind(fixture);
        QCOMPARE(Search(fixture, find.rbDown, "FILE"), 0);
        main.Codes->SetRows(Mnemonics({"ERROR_FILE_NOT_FOUND", "ERROR_PATH", "ERROR_FILE_EXISTS"}));
        QCOMPARE(Search(fixture, find.rbUp, "FILE"), 2);
        main.Codes->SetRows(Mnemonics({"ERROR_FILE_NOT_FOUND"}));
        QCOMPARE(Search(fixture, find.rbCycl, "FILE"), 0);
    }

    void wholeTextAndCase()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Mnemonics({"ERROR_PATH", "ERROR_FILE_NOT_FOUND"}));
        TfrmFind& find = OpenFind(fixture);
        find.chkWholeWords->setChecked(true);
        QCOMPARE(Search(fixture, find.rbCycl, "error_file"), -1);
        CompareLastBox(fixture, "Mnemonic : \"ERROR_FILE\" not found", "Direction : CYCLIC", MB_ICONINFORMATION);
        QCOMPARE(Search(fixture, find.rbCycl, "error_file_not_found"), 1);
        find.chkWholeWords->setChecked(false);
        find.chkCaseSens->setChecked(true);
        QCOMPARE(Search(fixture, find.rbCycl, "error_path"), -1);
        CompareLastBox(fixture, "Mnemonic : \"error_path\" not found", "Direction : CYCLIC", MB_ICONINFORMATION);
        QCOMPARE(Search(fixture, find.rbCycl, "PATH"), 0);
    }

    void codesAreSearchedAsTheirDecimalText()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Mnemonics({"ERROR_0", "ERROR_1", "ERROR_2", "ERROR_3", "ERROR_4", "ERROR_5"}));
        TfrmFind& find = OpenFind(fixture);
        find.RadioButton2->setChecked(true);
        find.chkWholeWords->setChecked(true);
        QCOMPARE(Search(fixture, find.rbCycl, "5"), 5);
        QCOMPARE(Search(fixture, find.rbCycl, "-5"), -1);
        CompareLastBox(fixture, "Code : \"-5\" not found", "Direction : CYCLIC", MB_ICONINFORMATION);
    }

    void hexadecimalCodesFindTheirValueAndShowInTheTooltip()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        std::vector<CodeEntry> rows = Mnemonics({"ERROR_0", "ERROR_1"});
        rows.push_back(CodeRow("E_ACCESSDENIED", "2147024891"));
        rows.back().SubItems[ciSeverity] = "1";
        main.Codes->SetRows(rows);
        TfrmFind& find = OpenFind(fixture);
        find.RadioButton2->setChecked(true);
        QCOMPARE(Search(fixture, find.rbCycl, "0x80070005"), 2);
        QCOMPARE(Search(fixture, find.rbCycl, "0x1"), 1);
        QCOMPARE(Search(fixture, find.rbCycl, "0x2"), -1);
        CompareLastBox(fixture, "Code : \"0X2\" not found", "Direction : CYCLIC", MB_ICONINFORMATION);
        QCOMPARE(main.Codes->index(2, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("0x80070005"));
        QCOMPARE(main.Codes->index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("0x00000001"));
    }

    void refusals()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        TfrmFind& find = OpenFind(fixture);
        QCOMPARE(Search(fixture, find.rbCycl, "ERROR_"), -1);
        CompareLastBox(fixture, "You must load Error codes first", "List is Empty", MB_ICONEXCLAMATION);
        main.Codes->SetRows(CodeRows(2));
        QCOMPARE(Search(fixture, find.rbCycl, ""), -1);
        CompareLastBox(fixture, "Please, specify search string", "Search string is Empty", MB_ICONEXCLAMATION);
    }

    void findNextSearchesWithTheWindowClosedAndShowsTheRow()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(CodeRows(500));
        TfrmFind& find = OpenFind(fixture, QStringLiteral("ERROR_480"));
        find.close();
        main.cmdFindNextClick();
        QVERIFY(!find.isVisible());
        QCOMPARE(main.ListView1->SelectedRow(), 480);
        const QRect row = main.ListView1->visualRect(main.Codes->index(480, 0));
        QVERIFY(main.ListView1->viewport()->rect().intersects(row));
        QVERIFY(main.cmdCopy->isEnabled());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    FindWindowOpenAndClose window;
    failures += QTest::qExec(&window, argc, argv);
    CodeSearch search;
    failures += QTest::qExec(&search, argc, argv);
    return failures;
}

#include "tst_find_window.moc"
