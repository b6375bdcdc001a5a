// The main window's own commands: the Escape key, Maximize/Restore, flat
// buttons, the About box, the settings command and the system beep.
#include "support/MainWindowFixture.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "dialogs/SettingsDialogLink.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class KeyCounter : public QObject {
public:
    int escapes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            ++escapes;
        return false;
    }
};

class FakeSettingsDialog final : public SettingsDialogLink {
public:
    int shown = 0;
    int hintsShown = 0;
    bool handlerWasMine = false;

    void ShowModal() override
    {
        ++shown;
        ApplicationHint::Instance().SetHint(QStringLiteral("while open %1").arg(shown));
        handlerWasMine = hintsShown > 0;
    }
    void ShowSettingsHint() override { ++hintsShown; }
    void ShowFirstPage() override {}
};

} // namespace

class EscapeKey : public QObject {
    Q_OBJECT

private slots:
    void nothingWithAction0ButTheControlStillGetsTheKey()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 0;
        TfrmMain& main = fixture.CreateShown();
        FocusControl(main.txtOutput);
        KeyCounter counter;
        main.txtOutput->installEventFilter(&counter);
        QTest::keyClick(main.txtOutput, Qt::Key_Escape);
        QVERIFY(main.isVisible());
        QVERIFY(!main.isMinimized());
        QCOMPARE(counter.escapes, 1);
    }

    void unknownActionDoesNothing()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 7;
        TfrmMain& main = fixture.CreateShown();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        main.FormKeyPress(27);
        QVERIFY(main.isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void minimizeWithTheTrayHidesBothWindows()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 1;
        fixture.Options().UseTray = 1;
        TfrmMain& main = fixture.CreateShown();
        QWidget search;
        main.SetFindWindow(&search);
        main.FindVisible = true;
        search.show();
        FocusControl(main.ListView1);
        QTest::keyClick(main.ListView1, Qt::Key_Escape);
        QVERIFY(!main.isVisible());
        QVERIFY(!search.isVisible());
        QVERIFY(!main.isMinimized());
    }

    void minimizeWithoutTheTrayMinimizes()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 1;
        fixture.Options().UseTray = 0;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(!main.TrayMode());
        FocusControl(main.Memo1);
        QTest::keyClick(main.Memo1, Qt::Key_Escape);
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void closeEndsTheProgram()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 2;
        TfrmMain& main = fixture.CreateShown();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        FocusControl(main.txtOutput);
        QTest::keyClick(main.txtOutput, Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
    }

    void otherKeysDoNothing()
    {
        MainWindowFixture fixture;
        fixture.Options().EscapeAction = 2;
        TfrmMain& main = fixture.CreateShown();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        main.FormKeyPress('q');
        main.FormKeyPress(13);
        QCOMPARE(closed.count(), 0);
    }
};

class ViewCommands : public QObject {
    Q_OBJECT

private slots:
    void f5MaximizesANormalWindowAndRestoresAMaximizedOne()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        FocusControl(main.ListView1);
        QTest::keyClick(main.ListView1, Qt::Key_F5);
        QVERIFY(main.isMaximized());
        QTest::keyClick(main.ListView1, Qt::Key_F5);
        QVERIFY(!main.isMaximized());
        QVERIFY(!main.isMinimized());
    }

    void maximizeRestoreMaximizesAMinimizedWindow_data()
    {
        QTest::addColumn<bool>("wasMaximized");
        QTest::newRow("minimized from normal") << false;
        QTest::newRow("minimized from maximized") << true;
    }

    void maximizeRestoreMaximizesAMinimizedWindow()
    {
        QFETCH(bool, wasMaximized);
        MainWindowFixture fixture;
        fixture.Options().UseTray = 0;
        TfrmMain& main = fixture.CreateShown();
        main.setWindowState(wasMaximized ? Qt::WindowMinimized | Qt::WindowMaximized : Qt::WindowMinimized);
        main.mnuMaximizeRestoreClick();
        QVERIFY(main.isMaximized());
        QVERIFY(!main.isMinimized());
    }

    void flatButtonsShowTheSeparatorsRaisedButtonsHideThem()
    {
        MainWindowFixture fixture;
        fixture.Options().FlatButtons = 0;
        TfrmMain& main = fixture.Create();
        const auto buttons = main.findChildren<TSpeedButton*>();
        const auto bevels = main.findChildren<TBevel*>();
        QCOMPARE(buttons.size(), 15);
        QCOMPARE(bevels.size(), 8);
        // As laid out: raised buttons, and separators that stay visible.
        for (TSpeedButton* button : buttons)
            QVERIFY(!button->Flat());
        for (TBevel* bevel : bevels)
            QVERIFY2(!bevel->isHidden(), qPrintable(bevel->objectName()));

        main.SetFlatButtons(true);
        for (TSpeedButton* button : buttons)
            QVERIFY2(button->Flat(), qPrintable(button->objectName()));
        for (TBevel* bevel : bevels)
            QVERIFY(!bevel->isHidden());

        main.SetFlatButtons(false);
        for (TSpeedButton* button : buttons)
            QVERIFY(!button->Flat());
        for (TBevel* bevel : bevels)
            QVERIFY2(bevel->isHidden(), qPrintable(bevel->objectName()));
    }

    void flatButtonsFromTheSettingsAtConstruction()
    {
        MainWindowFixture fixture;
        fixture.Options().FlatButtons = 1;
        TfrmMain& main = fixture.Create();
        QVERIFY(main.cmdCall->Flat());
        QVERIFY(!main.Bevel8->isHidden());
    }

    void aboutShowsTheCaptionCopiedOnce()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.cmdAboutClick();
        main.setWindowTitle(QStringLiteral("Renamed"));
        main.cmdAbout->click();
        QCOMPARE(fixture.about.shown.size(), std::size_t(2));
        for (const auto& shown : fixture.about.shown) {
            QCOMPARE(shown.title, std::string("Vantrel"));
            QCOMPARE(shown.owner, &main);
            QVERIFY(shown.hasIcon);
            QVERIFY(shown.otherText.find("\r\n") != std::string::npos);
        }
    }

    void aboutCutsALongCaptionToTheBuffer()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.setWindowTitle(QString(100, QLatin1Char('V')));
        main.cmdAboutClick();
        QCOMPARE(fixture.about.shown.at(0).title, std::string(63, 'V'));
    }

    void optionsWithoutTheDialogDoesNothing()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.cmdOptions->click();
        QVERIFY(fixture.boxes.shown.empty());
    }

    void optionsRoutesHintsToTheDialogWhileItIsOpen()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 1;
        TfrmMain& main = fixture.Create();
        FakeSettingsDialog dialog;
        main.SetSettingsDialog(&dialog);
        main.cmdOptionsClick();
        QCOMPARE(dialog.shown, 1);
        QVERIFY(dialog.handlerWasMine);
        ApplicationHint::Instance().SetHint(QStringLiteral("|after"));
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("after"));
    }

    void optionsLeavesNoHandlerWithBottomHintsOff()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 0;
        TfrmMain& main = fixture.Create();
        FakeSettingsDialog dialog;
        main.SetSettingsDialog(&dialog);
        main.cmdOptionsClick();
        QCOMPARE(dialog.hintsShown, 0);
        QVERIFY(!ApplicationHint::Instance().HandlerOwnedBy(&main));
    }

    void exitClosesTheWindow()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        main.mnuExit->trigger();
        QCOMPARE(closed.count(), 1);
    }
};

class SystemBeepSetting : public QObject {
    Q_OBJECT

private slots:
    void offWhileActiveRestoredOnDeactivationAndDestruction()
    {
        MainWindowFixture fixture;
        fixture.beep.setting = 40;
        TfrmMain& main = fixture.Create();
        Q_UNUSED(main);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(fixture.beep.setting, 0);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(fixture.beep.setting, 40);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        fixture.Destroy();
        QCOMPARE(fixture.beep.setting, 40);
        QCOMPARE(fixture.beep.changes, (std::vector<int>{0, 40, 0, 40}));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    EscapeKey escape;
    failures += QTest::qExec(&escape, argc, argv);
    ViewCommands view;
    failures += QTest::qExec(&view, argc, argv);
    SystemBeepSetting beep;
    failures += QTest::qExec(&beep, argc, argv);
    return failures;
}

#include "tst_window_commands.moc"
