// The settings dialog as a whole: what it shows when made from Settings,
// its keys, its closing, and its status bar hints.
#include "support/Hover.h"
#include "support/SettingsDialogFixture.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"
#include "dialogs/TfrmSettingsListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QList<TSpeedButton*> DialogButtons(TfrmSettings& dialog)
{
    return {dialog.cmdAddHeader,    dialog.cmdDeleteHeader, dialog.cmdAddPrefix,    dialog.cmdEditPrefix,
            dialog.cmdDeletePrefix, dialog.cmdPrefixSelAll, dialog.cmdPrefixSelNone};
}

} // namespace

class DialogCreation : public QObject {
    Q_OBJECT

private slots:
    void listsAndSelectionsComeFromSettings()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_"), QStringLiteral("C_")});
        fixture.Lists().AddHeader("/inc/ntstatus.h");
        fixture.Lists().HeaderSelected[1] = 1;
        fixture.Lists().PrefixSelected[0] = 1;
        fixture.Lists().PrefixSelected[2] = 1;
        TfrmSettings& dialog = fixture.Create();
        QCOMPARE(ItemTexts(*dialog.lbHeaders), QStringList({"winerror.h", "ntstatus.h"}));
        QCOMPARE(SelectedItems(*dialog.lbHeaders), QList<int>({1}));
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"A_", "B_", "C_"}));
        QCOMPARE(SelectedItems(*dialog.lbPrefix), QList<int>({0, 2}));
    }

    void theDialogIsLaidOutAsDesigned()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(dialog.width(), 254);
        QVERIFY(dialog.height() >= 273);
        QCOMPARE(dialog.PageControl1->count(), 2);
        QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("General"));
        QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("Other"));
        QCOMPARE(dialog.PageControl1->currentWidget(), dialog.TabSheet1);
        QCOMPARE(dialog.StatusBar1->PanelCount(), 1);
        QCOMPARE(dialog.Panel1->height(), 5);
        QCOMPARE(dialog.lbPrefix->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(dialog.lbHeaders->selectionMode(), QAbstractItemView::ExtendedSelection);
        for (TSpeedButton* button : DialogButtons(dialog)) {
            QCOMPARE(button->size(), QSize(27, 25));
            QVERIFY(!button->icon().isNull());
        }
    }

    void eachGroupBoxShowsWholeOnItsPage()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QGroupBox* box : {dialog.GroupBox1, dialog.GroupBox2})
            QVERIFY2(dialog.TabSheet1->rect().contains(box->geometry()), qPrintable(box->title()));
        dialog.hide();
    }

    void theButtonsFollowFlatButtons()
    {
        SettingsDialogFixture flat;
        for (TSpeedButton* button : DialogButtons(flat.Create()))
            QVERIFY(button->Flat());
        SettingsDialogFixture raised;
        raised.Options().FlatButtons = 0;
        for (TSpeedButton* button : DialogButtons(raised.Create()))
            QVERIFY(!button->Flat());
    }

    void aStoredEscapeActionBeyondTwoShowsNothingAndBecomesZero()
    {
        SettingsDialogFixture fixture;
        fixture.Options().EscapeAction = 5;
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(dialog.rbEscapeNothings->isChecked());
        QCOMPARE(dialog.rbEscapeNothings->text(), QStringLiteral(" Nothing "));
        QCOMPARE(fixture.Options().EscapeAction, 0);
    }

    void storedEscapeActionsOneAndTwoAreKept()
    {
        SettingsDialogFixture minimize;
        minimize.Options().EscapeAction = 1;
        QVERIFY(minimize.Create().rbEscapeHides->isChecked());
        QCOMPARE(minimize.Options().EscapeAction, 1);
        SettingsDialogFixture close;
        close.Options().EscapeAction = 2;
        QVERIFY(close.Create().rbEscapeClosed->isChecked());
        QCOMPARE(close.Options().EscapeAction, 2);
    }

    void theBoxesShowTheOptions()
    {
        SettingsDialogFixture fixture;
        fixture.Options().PopupHints = 0;
        fixture.Options().ShowAtStart = 0;
        fixture.Options().UseTray = 1;
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(dialog.chkFlatButtons->isChecked());
        QVERIFY(!dialog.chkPopupHints->isChecked());
        QVERIFY(dialog.chkBottomHints->isChecked());
        QVERIFY(dialog.chkUseTray->isChecked());
        QVERIFY(dialog.chkHideAtStart->isChecked());
        QVERIFY(dialog.chkHideAtStart->isEnabled());
        QVERIFY(!WindowShowsHints(&dialog));
    }

    void hidingAtStartWithoutTheTrayIsShownButCannotBeChanged()
    {
        SettingsDialogFixture fixture;
        fixture.Options().ShowAtStart = 0;
        fixture.Options().UseTray = 0;
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(dialog.chkHideAtStart->isChecked());
        QVERIFY(!dialog.chkHideAtStart->isEnabled());
        QCOMPARE(fixture.Options().ShowAtStart, BYTE(0));
        QCOMPARE(fixture.Options().UseTray, BYTE(0));
    }
};

class DialogOpening : public QObject {
    Q_OBJECT

private slots:
    void theSettingsCommandShowsItModally_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("F7") << QStringLiteral("F7");
        QTest::newRow("tool button") << QStringLiteral("button");
        QTest::newRow("popup item") << QStringLiteral("popup");
    }

    void theSettingsCommandShowsItModally()
    {
        QFETCH(QString, way);
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        TfrmMain& main = fixture.Main();
        bool modal = false;
        QTimer::singleShot(0, &dialog, [&] {
            modal = QApplication::activeModalWidget() == &dialog;
            dialog.close();
        });
        if (way == QLatin1String("F7")) {
            FocusControl(main.ListView1);
            QTest::keyClick(main.ListView1, Qt::Key_F7);
        } else if (way == QLatin1String("button")) {
            main.cmdOptions->click();
        } else {
            main.pmnuSettings->trigger();
        }
        QVERIFY(modal);
        QVERIFY(!dialog.isVisible());
    }
};

class DialogClosing : public QObject {
    Q_OBJECT

private slots:
    void aKeyInAListClosesAndTheSelectionsReachSettings_data()
    {
        QTest::addColumn<bool>("inPrefixes");
        QTest::addColumn<int>("key");
        QTest::newRow("Escape in the prefixes") << true << int(Qt::Key_Escape);
        QTest::newRow("Enter in the prefixes") << true << int(Qt::Key_Return);
        QTest::newRow("Escape in the headers") << false << int(Qt::Key_Escape);
        QTest::newRow("Enter in the headers") << false << int(Qt::Key_Enter);
    }

    void aKeyInAListClosesAndTheSelectionsReachSettings()
    {
        QFETCH(bool, inPrefixes);
        QFETCH(int, key);
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_"), QStringLiteral("C_")});
        fixture.Lists().AddHeader("/inc/b.h");
        TfrmSettings& dialog = fixture.Create();
        bool closedByKey = false;
        QVERIFY(fixture.WhileOpen([&] {
            dialog.lbPrefix->SetSelected(1, true);
            dialog.lbHeaders->SetSelected(1, true);
            TListBox* list = inPrefixes ? dialog.lbPrefix : dialog.lbHeaders;
            FocusControl(list);
            QTest::keyClick(list, static_cast<Qt::Key>(key));
            closedByKey = !dialog.isVisible();
        }));
        QVERIFY(closedByKey);
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_", "B_*", "C_"}));
        QCOMPARE(fixture.Lists().HeaderSelected[0], BYTE(0));
        QCOMPARE(fixture.Lists().HeaderSelected[1], BYTE(1));
    }

    void enterOnTheOtherPageClosesToo()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        bool closedByKey = false;
        QVERIFY(fixture.WhileOpen([&] {
            dialog.PageControl1->setCurrentWidget(dialog.TabSheet2);
            FocusControl(dialog.chkPopupHints);
            QTest::keyClick(dialog.chkPopupHints, Qt::Key_Return);
            closedByKey = !dialog.isVisible();
        }));
        QVERIFY(closedByKey);
        QVERIFY(dialog.chkPopupHints->isChecked());
    }

    void theCloseBoxStoresTheSelectionsToo()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        fixture.Lists().PrefixSelected[0] = 1;
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(fixture.WhileOpen([&] {
            dialog.lbPrefix->SetSelected(0, false);
            dialog.lbPrefix->SetSelected(1, true);
            dialog.close();
        }));
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_", "B_*"}));
    }

    void theSelectionOutlivesAShowingAndNewEntriesKeepStep()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_")});
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(fixture.WhileOpen([&] {
            dialog.lbPrefix->SetSelected(0, true);
            fixture.texts.typed = {QStringLiteral("B_")};
            dialog.cmdAddPrefixClick();
        }));
        QVERIFY(fixture.WhileOpen([&] { QCOMPARE(SelectedItems(*dialog.lbPrefix), QList<int>({0})); }));
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_*", "B_"}));
    }

    void showingTurnsOnTheButtonsThatApply()
    {
        SettingsDialogFixture fixture;
        fixture.Lists().HeaderSelected[0] = 1;
        TfrmSettings& dialog = fixture.Create();
        bool deleteEnabled = false;
        QVERIFY(fixture.WhileOpen([&] { deleteEnabled = dialog.cmdDeleteHeader->isEnabled(); }));
        QVERIFY(deleteEnabled);
    }
};

class DialogHints : public QObject {
    Q_OBJECT

private slots:
    void theStatusBarShowsTheLongPartWhileTheDialogIsOpen()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        QStringList shown;
        QVERIFY(fixture.WhileOpen([&] {
            for (QWidget* control : {static_cast<QWidget*>(dialog.lbHeaders), static_cast<QWidget*>(dialog.lbPrefix),
                                     static_cast<QWidget*>(dialog.cmdAddHeader)}) {
                MouseEnters(control);
                shown.append(dialog.StatusBar1->PanelText(0));
            }
        }));
        QCOMPARE(shown,
                 QStringList({"Double click to view full path", "Prefixes for errors", "Browse for header file"}));
        QVERIFY(ApplicationHint::Instance().HandlerOwnedBy(&fixture.Main()));
        MouseEnters(fixture.Main().cmdLoad);
        QCOMPARE(fixture.Main().StatusBar1->PanelText(0), QStringLiteral("Load/Reload codes"));
    }

    void popupsShowTheShortPart()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(PopupOver(dialog.lbHeaders), QStringLiteral("Only selected headers will be loaded"));
        QCOMPARE(PopupOver(dialog.lbPrefix), QStringLiteral("Only errors with selected prefixes will be loaded"));
        QCOMPARE(PopupOver(dialog.rbEscapeClosed), QStringLiteral("Escape Key on main window behavior"));
        dialog.close();
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    DialogCreation creation;
    failures += QTest::qExec(&creation, argc, argv);
    DialogOpening opening;
    failures += QTest::qExec(&opening, argc, argv);
    DialogClosing closing;
    failures += QTest::qExec(&closing, argc, argv);
    DialogHints hints;
    failures += QTest::qExec(&hints, argc, argv);
    return failures;
}

#include "tst_settings_dialog.moc"
