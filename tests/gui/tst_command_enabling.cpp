// Which commands OnControlChange enables, for the focused control and the
// contents of the two lists.
#include "support/MainWindowFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/TListView.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

class CommandEnabling : public QObject {
    Q_OBJECT

private slots:
    void everyCommandIsEnabledUntilTheFirstRun()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        for (QAction* item : main.findChildren<QAction*>())
            QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
        for (TSpeedButton* button : main.findChildren<TSpeedButton*>())
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }

    void emptyOutputPaneDisablesSaveAndPrintItemsButNotTheirButtons()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.PageControl1->setCurrentWidget(main.TabSheet2);
        FocusControl(main.txtOutput);

        QVERIFY(!main.mnuSave->isEnabled());
        QVERIFY(!main.mnuPrint->isEnabled());
        QVERIFY(main.cmdSave->isEnabled());
        QVERIFY(main.cmdPrint->isEnabled());

        QTest::keyClick(main.txtOutput, Qt::Key_A);
        QCOMPARE(main.txtOutput->toPlainText(), QStringLiteral("a"));
        QVERIFY(main.mnuSave->isEnabled());
        QVERIFY(main.mnuPrint->isEnabled());
    }

    void lastErrorPaneWithTextEnablesSave()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.Memo1->setPlainText(QStringLiteral("The operation completed successfully."));
        FocusControl(main.ListView1);
        FocusControl(main.Memo1);
        QVERIFY(main.mnuSave->isEnabled());
        main.Memo1->clear();
        main.OnControlChange();
        QVERIFY(!main.mnuSave->isEnabled());
    }

    void codeListFocusedDisablesSaveEvenWithOutputText()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.txtOutput->setPlainText(QStringLiteral("ERROR_SUCCESS"));
        FocusControl(main.ListView1);
        QVERIFY(!main.mnuSave->isEnabled());
        QVERIFY(!main.mnuPrint->isEnabled());
    }

    void openingTheFileMenuRecomputes()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        FocusControl(main.ListView1);
        main.mnuSave->setEnabled(true);
        emit main.mnuFile->aboutToShow();
        QVERIFY(!main.mnuSave->isEnabled());
    }

    void emptyCodeListDisablesFindAndCopy()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.OnControlChange();
        for (QAction* item : {main.mnuFind, main.mnuFindNext, main.mnuCopy, main.mnuAction})
            QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
        for (TSpeedButton* button : {main.cmdFind, main.cmdFindNext, main.cmdCopy, main.cmdAction})
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        // Commands the window never governs stay as they are.
        QVERIFY(main.mnuLoad->isEnabled());
        QVERIFY(main.cmdLoad->isEnabled());
        QVERIFY(main.mnuExit->isEnabled());
    }

    void rowsWithoutSelectionEnableFindOnly()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.Codes->SetRows(CodeRows(3));
        main.OnControlChange();
        for (QAction* item : {main.mnuFind, main.mnuFindNext})
            QVERIFY(item->isEnabled());
        for (TSpeedButton* button : {main.cmdFind, main.cmdFindNext})
            QVERIFY(button->isEnabled());
        QVERIFY(!main.mnuCopy->isEnabled());
        QVERIFY(!main.cmdCopy->isEnabled());
        QVERIFY(!main.mnuAction->isEnabled());
        QVERIFY(!main.cmdAction->isEnabled());
    }

    void clickingARowEnablesCopy()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.Codes->SetRows(CodeRows(3));
        main.OnControlChange();
        const QRect row = main.ListView1->visualRect(main.Codes->index(1, 0));
        QTest::mouseClick(main.ListView1->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(main.ListView1->SelectedRow(), 1);
        QVERIFY(main.mnuCopy->isEnabled());
        QVERIFY(main.cmdCopy->isEnabled());
        QVERIFY(main.mnuAction->isEnabled());
        QVERIFY(main.cmdAction->isEnabled());
    }

    void rightPressRecomputesBeforeThePopup()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.Codes->SetRows(CodeRows(2));
        main.OnControlChange();
        const QRect row = main.ListView1->visualRect(main.Codes->index(0, 0));
        QTest::mousePress(main.ListView1->viewport(), Qt::RightButton, {}, row.center());
        QVERIFY(main.cmdCopy->isEnabled());
        main.pmnuCList->hide();
    }

    void actionListRowsEnableMakeAndClearAndSelectionEnablesRemove()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.OnControlChange();
        QVERIFY(!main.cmdActionMake->isEnabled());
        QVERIFY(!main.cmdActionListClear->isEnabled());
        QVERIFY(!main.cmdActionListDelete->isEnabled());

        main.Actions->SetRows(CodeRows(2));
        main.OnControlChange();
        QVERIFY(main.cmdActionMake->isEnabled());
        QVERIFY(main.cmdActionListClear->isEnabled());
        QVERIFY(!main.cmdActionListDelete->isEnabled());

        main.lvAction->SelectRow(1);
        main.OnControlChange();
        QVERIFY(main.cmdActionListDelete->isEnabled());
    }
};

QTEST_MAIN(CommandEnabling)
#include "tst_command_enabling.moc"
