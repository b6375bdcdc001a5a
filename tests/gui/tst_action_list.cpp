// The action list: adding codes, removing them, its popup, Goto Codes, the
// last-error pane following the code list's selection, and dragging code
// rows onto the action list and the Output pane.
#include "support/ModalDialogDriver.h"
#include "support/OutputFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/DragSource.h"
#include "widgets/PaneText.h"
#include "widgets/TListView.h"
#include "dialogs/TfrmCopyWhat.h"
#include "output/SystemMessageText.h"
#include "platform/win32.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

std::vector<CodeEntry> ThreeCodes()
{
    return {FullRow("ERROR_FILE_NOT_FOUND", "2", "winerror.h", "10", "100"),
            FullRow("ERROR_ACCESS_DENIED", "5", "winerror.h", "20", "200"),
            FullRow("error_access_denied", "6", "other.h", "30", "300")};
}

std::vector<std::string> ListedMnemonics(const TfrmMain& main)
{
    std::vector<std::string> mnemonics;
    for (const CodeEntry& row : main.Actions->Rows())
        mnemonics.push_back(row.Mnemonic);
    return mnemonics;
}

void ShowActionTab(TfrmMain& main)
{
    main.PageControl1->setCurrentWidget(main.TabSheet3);
}

} // namespace

class AddingCodes : public QObject {
    Q_OBJECT

private slots:
    void ctrlATwiceListsTheCodeOnce()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ClickRow(*main.ListView1, 0);
        QTest::keyClick(main.ListView1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(main.ListView1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ListedMnemonics(main), std::vector<std::string>{"ERROR_FILE_NOT_FOUND"});
    }

    void aMnemonicInAnotherLetterCaseIsNotListedAgain()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ClickRow(*main.ListView1, 1);
        main.cmdAction->click();
        fixture.ClickRow(*main.ListView1, 2);
        main.pmnuCCopyToAct->trigger();
        QCOMPARE(ListedMnemonics(main), std::vector<std::string>{"ERROR_ACCESS_DENIED"});
        QCOMPARE(main.Actions->Row(0).Code(), std::string("5"));
    }

    void theListedRowIsAWholeCopy()
    {
        OutputFixture fixture;
        CodeEntry code = FullRow("E_FAIL", "2147467259", "winerror.h", "77", "7000");
        code.ImageIndex = 2;
        code.SubItems[ciSeverity] = "1";
        TfrmMain& main = fixture.CreateWithCodes({code});
        fixture.ListCodes({0});
        QCOMPARE(main.Actions->Count(), 1);
        QVERIFY(main.Actions->Row(0) == code);
        main.Codes->SetRows({});
        QCOMPARE(main.Actions->Count(), 1);
    }

    void theMnemonicColumnGrowsForALongMnemonic()
    {
        OutputFixture fixture;
        const std::string longName(120, 'X');
        TfrmMain& main = fixture.CreateWithCodes({FullRow(longName.c_str(), "1", "winerror.h", "1", "0")});
        const int before = main.lvAction->columnWidth(0);
        fixture.ListCodes({0});
        QVERIFY(main.lvAction->columnWidth(0) > before);
    }

    void addingEnablesMakeAndClear()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        main.OnControlChange();
        QVERIFY(!main.cmdActionMake->isEnabled());
        fixture.ListCodes({0});
        QVERIFY(main.cmdActionMake->isEnabled());
        QVERIFY(main.cmdActionListClear->isEnabled());
        QVERIFY(!main.cmdActionListDelete->isEnabled());
        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 0);
        QVERIFY(main.cmdActionListDelete->isEnabled());
    }

    void withoutASelectedCodeNothingIsAdded()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        main.cmdActionClick();
        QCOMPARE(main.Actions->Count(), 0);
    }
};

class RemovingCodes : public QObject {
    Q_OBJECT

private slots:
    void removeTakesTheSelectedRowAndRecomputes()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ListCodes({0, 1});
        ShowActionTab(main);
        main.cmdActionListDeleteClick();
        QCOMPARE(main.Actions->Count(), 2);
        fixture.ClickRow(*main.lvAction, 0);
        main.pmnuARemove->trigger();
        QCOMPARE(ListedMnemonics(main), std::vector<std::string>{"ERROR_ACCESS_DENIED"});
        QVERIFY(!main.cmdActionListDelete->isEnabled());
    }

    void clearAsksAndNoKeepsTheList()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ListCodes({0, 1});
        fixture.boxes.answers = {IDNO};
        main.cmdActionListClear->click();
        QCOMPARE(main.Actions->Count(), 2);
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, std::string("Clear action list ?"));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string("Confirm"));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_YESNO | MB_ICONQUESTION);
    }

    void clearAnsweredYesEmptiesTheListAndDisablesItsCommands()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ListCodes({0, 1});
        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 1);
        fixture.boxes.answers = {IDYES};
        main.pmnuAClear->trigger();
        QCOMPARE(main.Actions->Count(), 0);
        QVERIFY(!main.cmdActionMake->isEnabled());
        QVERIFY(!main.cmdActionListClear->isEnabled());
        QVERIFY(!main.cmdActionListDelete->isEnabled());
    }
};

class ActionPopup : public QObject {
    Q_OBJECT

private slots:
    void itemsFollowTheToolButtons()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ListCodes({0});
        main.OnControlChange();
        emit main.pmnuAList->aboutToShow();
        QVERIFY(main.pmnuAMake->isEnabled());
        QVERIFY(main.pmnuAClear->isEnabled());
        QVERIFY(!main.pmnuARemove->isEnabled());
        QVERIFY(!main.pmnuAGotoCodes->isEnabled());
        QVERIFY(!main.pmnuAGotoDeclaration->isEnabled());

        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 0);
        emit main.pmnuAList->aboutToShow();
        QVERIFY(main.pmnuARemove->isEnabled());
        QVERIFY(main.pmnuAGotoCodes->isEnabled());
        QVERIFY(main.pmnuAGotoDeclaration->isEnabled());
    }
};

class GotoCodes : public QObject {
    Q_OBJECT

private slots:
    void picksTheRowFromTheSameHeaderAndLine()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({FullRow("ERROR_TWICE", "2", "a.h", "10", "100"),
                                                  FullRow("ERROR_TWICE", "2", "b.h", "10", "100"),
                                                  FullRow("ERROR_OTHER", "3", "a.h", "11", "120")});
        fixture.ListCodes({1});
        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 0);
        fixture.ClickRow(*main.ListView1, 2);
        main.pmnuAGotoCodes->trigger();
        QCOMPARE(main.ListView1->SelectedRow(), 1);
        QCOMPARE(main.ListView1->currentIndex().row(), 1);
        QCOMPARE(QApplication::focusWidget(), main.ListView1);
    }

    void findsTheRowAgainAfterAReload()
    {
        OutputFixture fixture;
        std::vector<CodeEntry> codes;
        for (int i = 0; i < 300; ++i) {
            const std::string name = "ERROR_" + std::to_string(i);
            codes.push_back(FullRow(name.c_str(), std::to_string(i).c_str(), "winerror.h",
                                    std::to_string(i + 1).c_str(), std::to_string(i * 40).c_str()));
        }
        TfrmMain& main = fixture.CreateWithCodes(codes);
        fixture.ListCodes({2});
        // Reloaded from the same header: equal rows, new objects, another
        // line length that is not compared.
        codes[2].SubItems[ciLineLength] = "41";
        std::vector<CodeEntry> reloaded(codes.rbegin(), codes.rend());
        main.Codes->SetRows(reloaded);
        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 0);
        main.pmnuAGotoCodesClick();
        QCOMPARE(main.ListView1->SelectedRow(), 297);
        const QRect shown = main.ListView1->viewport()->rect();
        QVERIFY(shown.contains(main.ListView1->visualRect(main.Codes->index(297, 0))));
        QCOMPARE(main.Memo1->toPlainText(), PaneDisplayText(SystemMessageText(2)));
    }

    void nothingHappensWithoutAMatchOrASelection()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ListCodes({0});
        main.pmnuAGotoCodesClick();
        QCOMPARE(main.ListView1->SelectedRow(), 0);

        ShowActionTab(main);
        fixture.ClickRow(*main.lvAction, 0);
        CodeEntry changed = ThreeCodes()[0];
        changed.SubItems[ciLineOffset] = "101";
        main.Codes->SetRows({changed});
        main.pmnuAGotoCodesClick();
        QCOMPARE(main.ListView1->SelectedRow(), -1);
        QVERIFY(fixture.boxes.shown.empty());
    }
};

class LastErrorFollowsTheCodeList : public QObject {
    Q_OBJECT

private slots:
    void selectingARowShowsItsMessageEachTimeAnew()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ClickRow(*main.ListView1, 0);
        QVERIFY(!main.Memo1->toPlainText().isEmpty());
        QCOMPARE(main.Memo1->toPlainText(), PaneDisplayText(SystemMessageText(2)));
        fixture.ClickRow(*main.ListView1, 1);
        QCOMPARE(main.Memo1->toPlainText(), PaneDisplayText(SystemMessageText(5)));
        QTest::keyClick(main.ListView1, Qt::Key_Up);
        QCOMPARE(main.Memo1->toPlainText(), PaneDisplayText(SystemMessageText(2)));
    }

    void aRowWithBit31SetLooksUpItsSignedValue()
    {
        OutputFixture fixture;
        CodeEntry denied = FullRow("E_ACCESSDENIED", "2147024891", "winerror.h", "1", "0");
        denied.SubItems[ciSeverity] = "1";
        TfrmMain& main = fixture.CreateWithCodes({denied});
        fixture.ClickRow(*main.ListView1, 0);
        const std::string expected = SystemMessageText(static_cast<LONG>(0x80070005U));
        QVERIFY(!expected.empty());
        QCOMPARE(main.Memo1->toPlainText(), PaneDisplayText(expected));
    }

    void theValueMinusOneIsNotTheLastError()
    {
        OutputFixture fixture;
        CodeEntry allBits = FullRow("ERROR_ALL_BITS", "1", "winerror.h", "1", "0");
        allBits.SubItems[ciSeverity] = "1";
        TfrmMain& main =
            fixture.CreateWithCodes({FullRow("ERROR_FILE_NOT_FOUND", "2", "winerror.h", "2", "9"), allBits});
        fixture.ClickRow(*main.ListView1, 0);
        SetLastError(ERROR_FILE_NOT_FOUND);
        fixture.ClickRow(*main.ListView1, 1);
        QCOMPARE(main.Memo1->toPlainText(), QString());
    }
};

class DraggingCodes : public QObject {
    Q_OBJECT

private slots:
    void aCodeListDragCarriesItsKind()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        const std::unique_ptr<QMimeData> data(DragSourceData(*main.ListView1));
        QVERIFY(IsDragFrom(data.get(), "TListView"));
        QVERIFY(!IsDragFrom(data.get(), "TPanel"));
        QVERIFY(!data->hasText());
    }

    void aDropOnTheActionListAddsTheSelectedCode()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        ShowActionTab(main);
        fixture.ClickRow(*main.ListView1, 1);
        QVERIFY(DropOn(*main.lvAction->viewport(), DragFrom("TListView")));
        QVERIFY(DropOn(*main.lvAction->viewport(), DragFrom("TListView")));
        QCOMPARE(ListedMnemonics(main), std::vector<std::string>{"ERROR_ACCESS_DENIED"});
        QVERIFY(main.cmdActionMake->isEnabled());
    }

    void aDropOnThePaneWritesThereAndKeepsTheClipboardSetting()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        main.PageControl1->setCurrentWidget(main.TabSheet2);
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.ClickRow(*main.ListView1, 0);
        QVERIFY(DropOn(*main.txtOutput->viewport(), DragFrom("TListView")));
        QCOMPARE(fixture.PaneText(), std::string("ERROR_FILE_NOT_FOUND\r\n"));
        QVERIFY(fixture.clipboard.puts.empty());
        QCOMPARE(fixture.CopyOptions().CopyToClipboard, BYTE{1});
    }

    void withoutColumnsTheDropOpensTheDialogAndTheSettingComesBack()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.SetColumns(false, false, false, false, false, false);
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.ClickRow(*main.ListView1, 0);
        bool showedOutput = false;
        ModalDialogDriver driver([&](QWidget& dialog) {
            auto* copyWhat = qobject_cast<TfrmCopyWhat*>(&dialog);
            showedOutput = copyWhat->rbOutputWindow->isChecked();
            copyWhat->chkMnemonic->setChecked(true);
            PressCloseBox(dialog);
        });
        QVERIFY(DropOn(*main.txtOutput->viewport(), DragFrom("TListView")));
        QTRY_VERIFY_WITH_TIMEOUT(driver.Acted(), 5000);
        QVERIFY(showedOutput);
        QCOMPARE(fixture.boxes.shown.at(0).text, std::string("Copy settings are not defined"));
        QCOMPARE(fixture.CopyOptions().CopyToClipboard, BYTE{1});
        QCOMPARE(fixture.CopyOptions().CopyMnemonic, BYTE{1});
        QCOMPARE(fixture.PaneText(), std::string());
    }

    void otherDragsAndOtherPlacesAreRefused()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(ThreeCodes());
        fixture.ClickRow(*main.ListView1, 0);
        QVERIFY(!DropOn(*main.txtOutput->viewport(), DragFrom("TPanel")));
        QVERIFY(!DropOn(*main.lvAction->viewport(), DragFrom("TPanel")));
        auto* foreign = new QMimeData;
        foreign->setText(QStringLiteral("ERROR_FILE_NOT_FOUND"));
        QVERIFY(!DropOn(*main.lvAction->viewport(), foreign));
        QVERIFY(!DropOn(*main.Memo1->viewport(), DragFrom("TListView")));
        QVERIFY(!DropOn(*main.ListView1->viewport(), DragFrom("TListView")));
        QVERIFY(!DropOn(*main.PageControl1->tabBar(), DragFrom("TListView")));
        QCOMPARE(main.Actions->Count(), 0);
        QCOMPARE(fixture.PaneText(), std::string());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    AddingCodes adding;
    failures += QTest::qExec(&adding, argc, argv);
    RemovingCodes removing;
    failures += QTest::qExec(&removing, argc, argv);
    ActionPopup popup;
    failures += QTest::qExec(&popup, argc, argv);
    GotoCodes gotoCodes;
    failures += QTest::qExec(&gotoCodes, argc, argv);
    LastErrorFollowsTheCodeList lastError;
    failures += QTest::qExec(&lastError, argc, argv);
    DraggingCodes dragging;
    failures += QTest::qExec(&dragging, argc, argv);
    return failures;
}

#include "tst_action_list.moc"
