// The notification-area icon: what each mouse event does in each state,
// the icon's life and pictures, and hiding the windows to it.
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

class TrayDecisions : public QObject {
    Q_OBJECT

private slots:
    void visibleWindowOnlyComesToTheFrontOnButtonRelease()
    {
        QCOMPARE(ReactToTrayMouse(true, TrayMouse::LeftUp), TrayReaction::BringToFront);
        QCOMPARE(ReactToTrayMouse(true, TrayMouse::RightUp), TrayReaction::BringToFront);
        QCOMPARE(ReactToTrayMouse(true, TrayMouse::LeftDown), TrayReaction::Nothing);
        QCOMPARE(ReactToTrayMouse(true, TrayMouse::Other), TrayReaction::Nothing);
    }

    void hiddenWindowShowsOnLeftPressAndOffersTheMenuOnRightRelease()
    {
        QCOMPARE(ReactToTrayMouse(false, TrayMouse::LeftDown), TrayReaction::ShowWindows);
        QCOMPARE(ReactToTrayMouse(false, TrayMouse::RightUp), TrayReaction::PopupMenu);
        QCOMPARE(ReactToTrayMouse(false, TrayMouse::LeftUp), TrayReaction::Nothing);
        QCOMPARE(ReactToTrayMouse(false, TrayMouse::Other), TrayReaction::Nothing);
    }
};

class TrayIconLife : public QObject {
    Q_OBJECT

private slots:
    void eachNewIconOfTheRunShowsTheNextPicture()
    {
        FakeTray shell;
        TrayImageCounter images;
        TrayIconState tray(shell, images, "Vantrel", [](TrayMouse) {});
        tray.Add(true);
        tray.Remove();
        tray.Add(true);
        tray.Remove();
        tray.Add(true);
        QCOMPARE(shell.calls, (std::vector<std::string>{"add", "modify 0 Vantrel", "delete", "add", "modify 1 Vantrel",
                                                        "delete", "add", "modify 2 Vantrel"}));
    }

    void picturesWrapAfterTheFifth()
    {
        TrayImageCounter images;
        std::vector<int> taken;
        for (int i = 0; i < 7; ++i)
            taken.push_back(images.Take());
        QCOMPARE(taken, (std::vector<int>{0, 1, 2, 3, 4, 0, 1}));
    }

    void addingWhileShownChangesNothing()
    {
        FakeTray shell;
        TrayImageCounter images;
        TrayIconState tray(shell, images, "Vantrel", [](TrayMouse) {});
        tray.Add(false);
        tray.Add(true);
        QVERIFY(!tray.TrayMode());
        QCOMPARE(shell.calls.size(), std::size_t(2));
    }

    void removingWithoutAnIconDoesNothing()
    {
        FakeTray shell;
        TrayImageCounter images;
        TrayIconState tray(shell, images, "Vantrel", [](TrayMouse) {});
        tray.Remove();
        QVERIFY(shell.calls.empty());
        QVERIFY(!tray.IconPresent());
    }

    void refusedIconLeavesTrayModeOffAndALaterAddTriesAgain()
    {
        FakeTray shell;
        shell.answer = false;
        TrayImageCounter images;
        TrayIconState tray(shell, images, "Vantrel", [](TrayMouse) {});
        tray.Add(true);
        QVERIFY(!tray.IconPresent());
        QVERIFY(!tray.MinimizeHides());
        shell.answer = true;
        tray.Add(true);
        QVERIFY(tray.IconPresent());
        QVERIFY(tray.MinimizeHides());
        QCOMPARE(shell.calls.back(), std::string("modify 0 Vantrel"));
    }

    void tipIsCutToWhatTheShellKeeps()
    {
        FakeTray shell;
        TrayImageCounter images;
        TrayIconState tray(shell, images, std::string(80, 'T'), [](TrayMouse) {});
        QCOMPARE(tray.Tip(), std::string(63, 'T'));
    }
};

class TrayWindow : public QObject {
    Q_OBJECT

private slots:
    void iconWithTheCaptionAsTipWhenTheTrayIsUsed()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 1;
        TfrmMain& main = fixture.Create();
        QVERIFY(main.TrayMode());
        QCOMPARE(fixture.tray.calls.size(), std::size_t(2));
        QCOMPARE(fixture.tray.calls[0], std::string("add"));
        QVERIFY(fixture.tray.calls[1].ends_with(" Vantrel"));
        fixture.Destroy();
        QCOMPARE(fixture.tray.calls.back(), std::string("delete"));
    }

    void noIconWithoutTheTrayWhenTheWindowShowsAtStart()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 0;
        fixture.Options().ShowAtStart = 1;
        TfrmMain& main = fixture.Create();
        QVERIFY(!main.TrayIconPresent());
        QVERIFY(fixture.tray.calls.empty());
    }

    void hiddenAtStartWithoutTheTrayStillGetsAnIconButMinimizes()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 0;
        fixture.Options().ShowAtStart = 0;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(main.TrayIconPresent());
        QVERIFY(!main.TrayMode());
        main.SysCommandMinimize();
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void minimizeHidesBothWindowsAndALeftPressShowsThem()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 1;
        TfrmMain& main = fixture.CreateShown();
        QWidget search;
        main.SetFindWindow(&search);
        main.FindVisible = true;
        search.show();

        main.showMinimized();
        QTRY_VERIFY(!main.isVisible());
        QVERIFY(!search.isVisible());

        fixture.tray.Mouse(TrayMouse::LeftDown);
        QVERIFY(main.isVisible());
        QVERIFY(!main.isMinimized());
        QVERIFY(search.isVisible());
    }

    void minimizeKeepsAMaximizedWindowMaximized()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 1;
        TfrmMain& main = fixture.CreateShown();
        main.showMaximized();
        main.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        QTRY_VERIFY(!main.isVisible());
        fixture.tray.Mouse(TrayMouse::LeftDown);
        QVERIFY(main.isVisible());
        QVERIFY(main.isMaximized());
        QVERIFY(!main.isMinimized());
    }

    void closedSearchWindowStaysClosed()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QWidget search;
        main.SetFindWindow(&search);
        main.SysCommandMinimize();
        QVERIFY(!main.isVisible());
        main.TrayMenuRestoreClick();
        QVERIFY(main.isVisible());
        QVERIFY(!search.isVisible());
    }

    void rightReleaseOverAHiddenWindowOpensTheMenu()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.SysCommandMinimize();
        fixture.tray.Mouse(TrayMouse::RightUp);
        QVERIFY(main.TrayPopupMenu->isVisible());
        QCOMPARE(main.TrayPopupMenu->defaultAction(), main.TrayMenuRestore);
        QCOMPARE(main.TrayMenuRestore->text(), QStringLiteral("Restore"));
        QCOMPARE(main.TrayMenuClose->text(), QStringLiteral("Close"));
        main.TrayMenuRestore->trigger();
        main.TrayPopupMenu->hide();
        QVERIFY(main.isVisible());
    }

    void clicksOnAVisibleWindowOpenNoMenu()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        for (TrayMouse event : {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::RightUp, TrayMouse::Other})
            fixture.tray.Mouse(event);
        QVERIFY(!main.TrayPopupMenu->isVisible());
        QVERIFY(main.isVisible());
    }

    void closeFromTheMenuEndsTheProgram()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.SysCommandMinimize();
        QSignalSpy closed(&main, &TfrmMain::Closed);
        main.TrayMenuClose->trigger();
        QCOMPARE(closed.count(), 1);
    }

    void trayThatComesLaterGetsTheIconOnlyWhenTheTrayIsUsed()
    {
        for (const bool useTray : {true, false}) {
            MainWindowFixture fixture;
            fixture.Options().UseTray = useTray ? 1 : 0;
            fixture.tray.host = false;
            TfrmMain& main = fixture.CreateShown();
            fixture.tray.host = true;
            main.FollowTrayHost();
            QCOMPARE(main.TrayIconPresent(), useTray);
            QCOMPARE(main.TrayMode(), useTray);
        }
    }

    void trayThatGoesShowsTheWindowsHiddenInIt()
    {
        MainWindowFixture fixture;
        fixture.Options().UseTray = 1;
        TfrmMain& main = fixture.CreateShown();
        QWidget search;
        main.SetFindWindow(&search);
        main.FindVisible = true;
        search.show();
        main.SysCommandMinimize();
        QVERIFY(!main.isVisible());

        fixture.tray.host = false;
        QTRY_VERIFY(main.isVisible());
        QVERIFY(search.isVisible());
        QVERIFY(!main.TrayIconPresent());
        main.SysCommandMinimize();
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void withoutADesktopTrayMinimizeGoesToTheTaskBar()
    {
        // The real service: the offscreen desktop has no tray.
        MainWindowFixture fixture;
        fixture.Options().UseTray = 1;
        fixture.Options().EscapeAction = 1;
        Seam<TrayShell>::Install(nullptr);
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(!main.TrayIconPresent());
        QVERIFY(!main.TrayMode());
        main.FormKeyPress(27);
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    TrayDecisions decisions;
    failures += QTest::qExec(&decisions, argc, argv);
    TrayIconLife life;
    failures += QTest::qExec(&life, argc, argv);
    TrayWindow window;
    failures += QTest::qExec(&window, argc, argv);
    return failures;
}

#include "tst_tray.moc"
