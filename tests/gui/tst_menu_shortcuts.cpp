// The main menu's shortcut keys are taken before the focused control, in
// the main window and in windows that share its menu.
#include "support/MainWindowFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// Counts the key presses a control receives, but for the modifier keys
// themselves.
class KeyCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Control)
            ++presses;
        return false;
    }
};

} // namespace

class MenuShortcutKeys : public QObject {
    Q_OBJECT

private:
    QPlainTextEdit* FocusOutput(TfrmMain& main, const QString& text)
    {
        main.PageControl1->setCurrentWidget(main.TabSheet2);
        main.txtOutput->setPlainText(text);
        FocusControl(main.txtOutput);
        return main.txtOutput;
    }

private slots:
    void ctrlXInTheOutputPaneClosesTheProgram()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QPlainTextEdit* output = FocusOutput(main, QStringLiteral("keep me"));
        output->selectAll();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        QTest::keyClick(output, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!main.isVisible());
        QCOMPARE(output->toPlainText(), QStringLiteral("keep me"));
    }

    void ctrlCInTheOutputPaneDoesNotCopyItsText()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QPlainTextEdit* output = FocusOutput(main, QStringLiteral("typed text"));
        output->selectAll();
        KeyCounter counter;
        output->installEventFilter(&counter);
        QSignalSpy copy(main.mnuCopy, &QAction::triggered);

        QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);

        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(counter.presses, 0);
        // No code row is selected, so Copy is disabled and the key is lost.
        QCOMPARE(copy.count(), 0);
    }

    void ctrlCRunsCopyWhenARowIsSelected()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.Codes->SetRows(CodeRows(2));
        main.ListView1->SelectRow(0);
        QPlainTextEdit* output = FocusOutput(main, QStringLiteral("typed text"));
        QVERIFY(main.mnuCopy->isEnabled());
        QSignalSpy copy(main.mnuCopy, &QAction::triggered);
        QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copy.count(), 1);
    }

    void ctrlARunsCopyToActionListInsteadOfSelectingAll()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.Codes->SetRows(CodeRows(2));
        main.ListView1->SelectRow(1);
        QPlainTextEdit* output = FocusOutput(main, QStringLiteral("typed text"));
        QSignalSpy action(main.mnuAction, &QAction::triggered);
        QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(action.count(), 1);
        QVERIFY(!output->textCursor().hasSelection());
    }

    void disabledItemSwallowsItsKey()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QPlainTextEdit* output = FocusOutput(main, QString());
        KeyCounter counter;
        output->installEventFilter(&counter);
        QSignalSpy save(main.mnuSave, &QAction::triggered);
        QTest::keyClick(output, Qt::Key_F2);
        QVERIFY(!main.mnuSave->isEnabled());
        QCOMPARE(save.count(), 0);
        QCOMPARE(counter.presses, 0);
    }

    void fileMenuIsOpenedBeforeItsItemIsChecked()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QPlainTextEdit* output = FocusOutput(main, QString());
        // Stale state from before the text was typed: the menu's opening
        // handler brings it up to date before F2 is looked at.
        main.mnuSave->setEnabled(false);
        output->blockSignals(true);
        output->setPlainText(QStringLiteral("text to save"));
        output->blockSignals(false);
        QSignalSpy opened(main.mnuFile, &QMenu::aboutToShow);
        QSignalSpy save(main.mnuSave, &QAction::triggered);
        QTest::keyClick(output, Qt::Key_F2);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(save.count(), 1);
    }

    void disabledMenuOnThePathStopsTheItem()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QPlainTextEdit* output = FocusOutput(main, QStringLiteral("x"));
        main.mnuFile->menuAction()->setEnabled(false);
        QSignalSpy closed(&main, &TfrmMain::Closed);
        QTest::keyClick(output, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(output->toPlainText(), QStringLiteral("x"));
    }

    void keysWithoutAMenuItemReachTheControl()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QPlainTextEdit* output = FocusOutput(main, QString());
        QTest::keyClick(output, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClicks(output, QStringLiteral("ok"));
        QCOMPARE(output->toPlainText(), QStringLiteral("ok"));
    }

    void sharedWindowTakesTheShortcutsWhileTheMainWindowIsEnabled()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QWidget search;
        auto* text = new QLineEdit(QStringLiteral("search text"), &search);
        main.WatchShortcutsIn(&search);
        search.show();
        FocusControl(text);
        text->selectAll();

        main.setEnabled(false);
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(text->text(), QString());

        main.setEnabled(true);
        text->setText(QStringLiteral("search text"));
        text->selectAll();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(text->text(), QStringLiteral("search text"));
    }

    void keysTakenThroughTheWindowAsTheDesktopSendsThem()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        FocusOutput(main, QStringLiteral("x"));
        QSignalSpy closed(&main, &TfrmMain::Closed);
        QTest::keyClick(main.windowHandle(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(MenuShortcutKeys)
#include "tst_menu_shortcuts.moc"
