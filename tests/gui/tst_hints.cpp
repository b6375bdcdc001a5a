// Hints: the long part in panel 0 of the status bar, the short part as a
// popup, a parent's hint for controls without one.
#include "support/Hover.h"
#include "support/MainWindowFixture.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/HintText.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QTest>

class HintParts : public QObject {
    Q_OBJECT

private slots:
    void partsAreDividedByTheFirstBar()
    {
        QCOMPARE(ShortHint(QStringLiteral("Only selected|Double click|x")), QStringLiteral("Only selected"));
        QCOMPARE(LongHint(QStringLiteral("Only selected|Double click|x")), QStringLiteral("Double click|x"));
        QCOMPARE(ShortHint(QStringLiteral("|Loaded codes")), QString());
        QCOMPARE(LongHint(QStringLiteral("|Loaded codes")), QStringLiteral("Loaded codes"));
        QCOMPARE(ShortHint(QStringLiteral("Find")), QStringLiteral("Find"));
        QCOMPARE(LongHint(QStringLiteral("Find")), QStringLiteral("Find"));
    }
};

class StatusBarHints : public QObject {
    Q_OBJECT

private slots:
    void longPartOfTheControlUnderTheMouse()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 1;
        TfrmMain& main = fixture.CreateShown();
        MouseEnters(&main);
        MouseEnters(main.cmdLoad);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Load/Reload codes"));
        // The list's hint shows over its parts (its viewport has none).
        MouseLeaves(main.cmdLoad);
        MouseEnters(main.ListView1);
        MouseEnters(main.ListView1->viewport());
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Loaded codes"));
        MouseLeaves(main.ListView1->viewport());
        MouseLeaves(main.ListView1);
        QCOMPARE(main.StatusBar1->PanelText(0), QString());
        MouseEnters(main.txtOutput->viewport());
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Output window"));
        MouseLeaves(&main);
        QCOMPARE(main.StatusBar1->PanelText(0), QString());
    }

    void highlightedMenuItemEmptiesThePanel()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 1;
        TfrmMain& main = fixture.CreateShown();
        MouseEnters(main.cmdFind);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Find"));
        QStatusTipEvent tip{QString()};
        QCoreApplication::sendEvent(main.mnuFile, &tip);
        QCOMPARE(main.StatusBar1->PanelText(0), QString());
    }

    void panelIsWrittenOnlyWhenTheHintChanges()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 1;
        TfrmMain& main = fixture.CreateShown();
        MouseEnters(main.cmdCopy);
        main.StatusBar1->SetPanelText(0, QStringLiteral("written elsewhere"));
        MouseEnters(main.cmdCopy);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("written elsewhere"));
    }

    void bottomHintsOffNeverWritesThePanel()
    {
        MainWindowFixture fixture;
        fixture.Options().BottomHints = 0;
        TfrmMain& main = fixture.CreateShown();
        for (QWidget* control :
             {static_cast<QWidget*>(main.cmdLoad), main.ListView1->viewport(), static_cast<QWidget*>(main.Memo1)})
            MouseEnters(control);
        QCOMPARE(main.StatusBar1->PanelText(0), QString());
        QVERIFY(!ApplicationHint::Instance().HandlerOwnedBy(&main));
    }
};

class HintPopups : public QObject {
    Q_OBJECT

private slots:
    void shortPartPopsUpWhilePopupHintsIsOn()
    {
        MainWindowFixture fixture;
        fixture.Options().PopupHints = 1;
        TfrmMain& main = fixture.CreateShown();
        QCOMPARE(PopupOver(main.cmdLoad), QStringLiteral("Load/Reload codes"));
        QCOMPARE(PopupOver(main.cmdCall), QStringLiteral("Call GetLastError() manual"));
        // Hints with an empty short part show in the status bar only.
        QCOMPARE(PopupOver(main.Memo1->viewport()), QString());
        QCOMPARE(PopupOver(main.ListView1->viewport()), QString());
    }

    void noPopupsWithPopupHintsOffOrSwitchedOff()
    {
        MainWindowFixture fixture;
        fixture.Options().PopupHints = 0;
        fixture.Options().BottomHints = 1;
        TfrmMain& main = fixture.CreateShown();
        QCOMPARE(PopupOver(main.cmdLoad), QString());
        MouseEnters(main.cmdLoad);
        QCOMPARE(main.StatusBar1->PanelText(0), QStringLiteral("Load/Reload codes"));
        main.SetShowHint(true);
        QCOMPARE(PopupOver(main.cmdLoad), QStringLiteral("Load/Reload codes"));
        main.SetShowHint(false);
        QCOMPARE(PopupOver(main.cmdLoad), QString());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    HintParts parts;
    failures += QTest::qExec(&parts, argc, argv);
    StatusBarHints statusBar;
    failures += QTest::qExec(&statusBar, argc, argv);
    HintPopups popups;
    failures += QTest::qExec(&popups, argc, argv);
    return failures;
}

#include "tst_hints.moc"
