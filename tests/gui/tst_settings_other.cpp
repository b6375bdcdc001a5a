// The Other page of the settings dialog: each box takes effect in the
// running program the moment it is clicked.
#include "support/Hover.h"
#include "support/SettingsDialogFixture.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

void Click(QAbstractButton* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Runs inside on the dialog's Other page while the dialog is open.
bool OnOtherPage(SettingsDialogFixture& fixture, const std::function<void()>& inside)
{
    return fixture.WhileOpen([&] {
        fixture.Dialog().PageControl1->setCurrentWidget(fixture.Dialog().TabSheet2);
        inside();
    });
}

} // namespace

class FlatButtonsBox : public QObject {
    Q_OBJECT

private slots:
    void clearingRaisesEveryButtonAndHidesTheSeparators()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.chkFlatButtons);
            QCOMPARE(fixture.Options().FlatButtons, BYTE(0));
            QVERIFY(!dialog.cmdAddHeader->Flat());
            QVERIFY(!dialog.cmdPrefixSelNone->Flat());
            QVERIFY(!main.cmdLoad->Flat());
            QVERIFY(!main.cmdCall->Flat());
            QVERIFY(main.Bevel1->isHidden());

            Click(dialog.chkFlatButtons);
            QCOMPARE(fixture.Options().FlatButtons, BYTE(1));
            QVERIFY(dialog.cmdDeletePrefix->Flat());
            QVERIFY(main.cmdAbout->Flat());
            QVERIFY(!main.Bevel1->isHidden());
        }));
    }
};

class PopupHintsBox : public QObject {
    Q_OBJECT

private slots:
    void clearingStopsPopupsInBothWindowsAndLeavesTheStatusBar()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.chkPopupHints);
            QCOMPARE(fixture.Options().PopupHints, BYTE(0));
            QVERIFY(!WindowShowsHints(&main));
            QVERIFY(!WindowShowsHints(&dialog));
            MouseEnters(dialog.chkPopupHints);
            MouseEnters(dialog.GroupBox3);
            QCOMPARE(dialog.StatusBar1->PanelText(0), QStringLiteral("Escape Key on main window behavior"));
            Click(dialog.chkPopupHints);
            QVERIFY(WindowShowsHints(&main));
            QVERIFY(WindowShowsHints(&dialog));
        }));
    }
};

class BottomHintsBox : public QObject {
    Q_OBJECT

private slots:
    void tickingWhileOpenPutsOptionsIntoTheMainStatusBar()
    {
        SettingsDialogFixture fixture;
        fixture.Options().BottomHints = 0;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.chkBottomHints);
            QCOMPARE(fixture.Options().BottomHints, BYTE(1));
            QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Options..."));
            MouseEnters(dialog.chkFlatButtons);
            MouseEnters(dialog.GroupBox3);
            QCOMPARE(dialog.StatusBar1->PanelText(0), QStringLiteral("Escape Key on main window behavior"));
        }));
        // Closed, the main window's status bar takes the hints again.
        QVERIFY(ApplicationHint::Instance().HandlerOwnedBy(&main));
        MouseEnters(main.cmdFind);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Find"));
    }

    void clearingEmptiesBothStatusBarsAtOnce()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        main.StatusBar1->SetPanelText(0, QStringLiteral("Options..."));
        QVERIFY(OnOtherPage(fixture, [&] {
            MouseEnters(dialog.chkBottomHints);
            MouseEnters(dialog.GroupBox3);
            Click(dialog.chkBottomHints);
            QCOMPARE(fixture.Options().BottomHints, BYTE(0));
            QCOMPARE(main.StatusBar1->PanelText(0), QString());
            QCOMPARE(dialog.StatusBar1->PanelText(0), QString());
            MouseEnters(dialog.rbEscapeHides);
            MouseEnters(dialog.chkUseTray);
            QCOMPARE(dialog.StatusBar1->PanelText(0), QString());
        }));
        MouseEnters(main.cmdFind);
        QCOMPARE(main.StatusBar1->PanelText(0), QString());
    }
};

class TrayBoxes : public QObject {
    Q_OBJECT

private slots:
    void clearingTheTraySetsTheWindowToShowAtStart()
    {
        SettingsDialogFixture fixture;
        fixture.Options().ShowAtStart = 0;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(main.TrayIconPresent());
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.chkUseTray);
            QCOMPARE(fixture.Options().UseTray, BYTE(0));
            QCOMPARE(fixture.Options().ShowAtStart, BYTE(1));
            QVERIFY(!main.TrayIconPresent());
            QVERIFY(!main.TrayMode());
            QVERIFY(!fixture.main.tray.IconShown());
            QVERIFY(!dialog.chkHideAtStart->isEnabled());
            QVERIFY(!dialog.chkHideAtStart->isChecked());
        }));
    }

    void tickingTheTrayAgainShowsTheIconAndOffersTheHiddenStart()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.chkUseTray);
            Click(dialog.chkUseTray);
            QCOMPARE(fixture.Options().UseTray, BYTE(1));
            QVERIFY(main.TrayIconPresent());
            QVERIFY(main.TrayMode());
            QVERIFY(dialog.chkHideAtStart->isEnabled());
            QVERIFY(!dialog.chkHideAtStart->isChecked());
            QCOMPARE(fixture.Options().ShowAtStart, BYTE(1));

            Click(dialog.chkHideAtStart);
            QCOMPARE(fixture.Options().ShowAtStart, BYTE(0));
            Click(dialog.chkHideAtStart);
            QCOMPARE(fixture.Options().ShowAtStart, BYTE(1));
        }));
        QCOMPARE(fixture.main.tray.calls.size(), std::size_t(5));
        QCOMPARE(fixture.main.tray.calls[3], std::string("add"));
    }

    void makingTheDialogLeavesTheIconAlone()
    {
        SettingsDialogFixture fixture;
        fixture.Create();
        QCOMPARE(fixture.main.tray.calls.size(), std::size_t(2));
        QCOMPARE(fixture.main.tray.calls[0], std::string("add"));
    }
};

class EscapeGroup : public QObject {
    Q_OBJECT

private slots:
    void eachButtonStoresItsAction()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(OnOtherPage(fixture, [&] {
            Click(dialog.rbEscapeHides);
            QCOMPARE(fixture.Options().EscapeAction, 1);
            Click(dialog.rbEscapeClosed);
            QCOMPARE(fixture.Options().EscapeAction, 2);
            Click(dialog.rbEscapeNothings);
            QCOMPARE(fixture.Options().EscapeAction, 0);
            Click(dialog.rbEscapeClosed);
        }));
        QVERIFY(dialog.rbEscapeClosed->isChecked());
    }

    void closeThenEscapeInTheMainWindowEndsIt()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        QVERIFY(OnOtherPage(fixture, [&] { Click(dialog.rbEscapeClosed); }));
        FocusControl(main.ListView1);
        QTest::keyClick(main.ListView1, Qt::Key_Escape);
        QVERIFY(!main.isVisible());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    FlatButtonsBox flat;
    failures += QTest::qExec(&flat, argc, argv);
    PopupHintsBox popups;
    failures += QTest::qExec(&popups, argc, argv);
    BottomHintsBox bottom;
    failures += QTest::qExec(&bottom, argc, argv);
    TrayBoxes tray;
    failures += QTest::qExec(&tray, argc, argv);
    EscapeGroup escape;
    failures += QTest::qExec(&escape, argc, argv);
    return failures;
}

#include "tst_settings_other.moc"
