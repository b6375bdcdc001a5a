// The prefix list of the settings dialog: adding, editing, deleting and
// selecting prefixes, always in step with Settings.
#include "support/SettingsDialogFixture.h"
#include "widgets/Controls.h"
#include "dialogs/TfrmSettingsListBox.h"
#include "dialogs/TfrmSettingsText.h"

#include <QTest>

class PrefixText : public QObject {
    Q_OBJECT

private slots:
    void blanksAndControlCharactersGoFromBothEnds()
    {
        QCOMPARE(StripBlanks(" \t ERROR_ \r\n"), std::string("ERROR_"));
        QCOMPARE(StripBlanks(std::string("\x7f"
                                         "E_\x01",
                                         4)),
                 std::string("E_"));
        QCOMPARE(StripBlanks("E _X"), std::string("E _X"));
        QCOMPARE(StripBlanks(" \t\x7f "), std::string());
        // Letters of the upper half of the code page are no blanks.
        QCOMPARE(StripBlanks("\xe9"
                             "E_\xe9"),
                 std::string("\xe9"
                             "E_\xe9"));
    }
};

class PrefixAdding : public QObject {
    Q_OBJECT

private slots:
    void typedWithBlanksIsAddedWithoutThemAndUnselected()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_")});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QStringLiteral("  NEW_\t")};
        dialog.cmdAddPrefixClick();

        QCOMPARE(fixture.texts.shown.size(), std::size_t(1));
        QCOMPARE(fixture.texts.shown[0].caption, QStringLiteral("Specify new prefix"));
        QVERIFY(fixture.texts.shown[0].editable);
        QCOMPARE(fixture.texts.shown[0].text, QString());
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_", "NEW_"}));
        QVERIFY(SelectedItems(*dialog.lbPrefix).isEmpty());
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_", "NEW_"}));
    }

    void theSamePrefixAgainAddsNothingWithoutAWord()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_")});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QStringLiteral(" ERROR_ ")};
        dialog.cmdAddPrefixClick();
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_"}));
        QVERIFY(fixture.main.boxes.shown.empty());
    }

    void theSameLettersInOtherCaseAreASecondEntry()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_")});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QStringLiteral("error_")};
        dialog.cmdAddPrefixClick();
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_", "error_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_", "error_"}));
    }

    void blanksOnlyAddNothing()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QStringLiteral("   ")};
        dialog.cmdAddPrefixClick();
        QCOMPARE(dialog.lbPrefix->count(), 0);
        QCOMPARE(fixture.Lists().Prefixes.Count(), 0);
    }

    void typedLettersAreStoredInTheProgramsCodePage()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QString::fromUtf8("\xc3\x89T_\xe2\x82\xac")};
        dialog.cmdAddPrefixClick();
        QCOMPARE(QByteArray(fixture.Lists().Prefixes.Text(0)), QByteArray("\xc9T_\x80"));
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({QString::fromUtf8("\xc3\x89T_\xe2\x82\xac")}));
    }

    void lettersOutsideTheCodePageAreRefusedAndNothingIsAdded()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({"ERROR_"});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.typed = {QString::fromUtf8("\xd0\x9e\xd0\xa8\xd0\x98\xd0\x91\xd0\x9a\xd0\x90_\xe2\x82\xac")};
        dialog.cmdAddPrefixClick();
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_"}));
        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].flags, UINT(MB_ICONEXCLAMATION));
    }

    void noWindowIsAFatalErrorAndAddsNothing()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_")});
        TfrmSettings& dialog = fixture.Create();
        fixture.texts.windowsLeft = 0;
        dialog.cmdAddPrefixClick();
        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("FATAL ERROR : Cannot create new window"));
        QCOMPARE(fixture.main.boxes.shown[0].caption, std::string(DefaultMessageBoxCaption));
        QCOMPARE(fixture.main.boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
        QCOMPARE(dialog.lbPrefix->count(), 1);
    }
};

class PrefixEditing : public QObject {
    Q_OBJECT

private slots:
    void intoAnExistingPrefixGivesTwoEqualEntries()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_"), QStringLiteral("RPC_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(1, true);
        fixture.texts.typed = {QStringLiteral(" ERROR_")};
        dialog.cmdEditPrefixClick();
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_", "ERROR_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_", "ERROR_"}));
    }

    void intoBlanksOnlyLeavesItUnchanged()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("ERROR_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(0, true);
        fixture.texts.typed = {QStringLiteral(" \t ")};
        dialog.cmdEditPrefixClick();
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"ERROR_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"ERROR_"}));
    }

    void twoSelectedOpenTwoWindowsInTurn()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_"), QStringLiteral("C_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(0, true);
        dialog.lbPrefix->SetSelected(2, true);
        fixture.texts.typed = {QStringLiteral("X_"), QStringLiteral("Y_")};
        dialog.cmdEditPrefixClick();

        QCOMPARE(fixture.texts.shown.size(), std::size_t(2));
        QCOMPARE(fixture.texts.shown[0].caption, QStringLiteral("Edit prefix"));
        QCOMPARE(fixture.texts.shown[0].text, QStringLiteral("A_"));
        QCOMPARE(fixture.texts.shown[1].text, QStringLiteral("C_"));
        QVERIFY(fixture.texts.shown[1].editable);
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"X_", "B_", "Y_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"X_", "B_", "Y_"}));
        QCOMPARE(SelectedItems(*dialog.lbPrefix), QList<int>({0, 2}));
    }

    void noWindowStopsBeforeTheRemainingPrefixes()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->selectAll();
        fixture.texts.windowsLeft = 1;
        fixture.texts.typed = {QStringLiteral("X_"), QStringLiteral("Y_")};
        dialog.cmdEditPrefixClick();
        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("FATAL ERROR : Cannot create new window"));
        QCOMPARE(PrefixesWithFlags(), QStringList({"X_", "B_"}));
    }

    void aDoubleClickEditsTheSelectedPrefix()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        fixture.texts.typed = {QStringLiteral("Z_")};
        const QRect second = dialog.lbPrefix->visualItemRect(dialog.lbPrefix->item(1));
        QTest::mouseClick(dialog.lbPrefix->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(dialog.lbPrefix->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"A_", "Z_"}));
    }
};

class PrefixDeleting : public QObject {
    Q_OBJECT

private slots:
    void twoSelectedAreConfirmedInThePluralAndBothGo()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_"), QStringLiteral("C_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(0, true);
        dialog.lbPrefix->SetSelected(2, true);
        fixture.main.boxes.answers = {IDYES};
        dialog.cmdDeletePrefixClick();

        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("Action : Delete selected prefixes"));
        QCOMPARE(fixture.main.boxes.shown[0].caption, std::string("Confirm"));
        QCOMPARE(fixture.main.boxes.shown[0].flags, MB_YESNO | MB_ICONQUESTION);
        QCOMPARE(ItemTexts(*dialog.lbPrefix), QStringList({"B_"}));
        QCOMPARE(PrefixesWithFlags(), QStringList({"B_"}));
    }

    void oneSelectedIsAskedInTheSingularAndNoKeepsIt()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(1, true);
        fixture.main.boxes.answers = {IDNO};
        dialog.cmdDeletePrefixClick();
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("Action : Delete selected prefix"));
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_", "B_"}));
        QCOMPARE(dialog.lbPrefix->count(), 2);
    }

    void theLastPrefixCanGo()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.lbPrefix->SetSelected(0, true);
        fixture.main.boxes.answers = {IDYES};
        dialog.cmdDeletePrefixClick();
        QCOMPARE(dialog.lbPrefix->count(), 0);
        QCOMPARE(fixture.Lists().Prefixes.Count(), 0);
        QVERIFY(!dialog.cmdDeletePrefix->isEnabled());
    }
};

class PrefixSelection : public QObject {
    Q_OBJECT

private slots:
    void anEmptyListDisablesEverythingButAdd()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({});
        TfrmSettings& dialog = fixture.Create();
        dialog.UpdateButtons();
        QVERIFY(!dialog.cmdPrefixSelAll->isEnabled());
        QVERIFY(!dialog.cmdPrefixSelNone->isEnabled());
        QVERIFY(!dialog.cmdEditPrefix->isEnabled());
        QVERIFY(!dialog.cmdDeletePrefix->isEnabled());
        QVERIFY(dialog.cmdAddPrefix->isEnabled());
    }

    void editAndDeleteNeedASelection()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        TfrmSettings& dialog = fixture.Create();
        dialog.UpdateButtons();
        QVERIFY(dialog.cmdPrefixSelAll->isEnabled());
        QVERIFY(!dialog.cmdEditPrefix->isEnabled());
        dialog.lbPrefix->SetSelected(1, true);
        QVERIFY(dialog.cmdEditPrefix->isEnabled());
        QVERIFY(dialog.cmdDeletePrefix->isEnabled());
    }

    void allAndNoneReachSettingsOnlyWhenTheDialogCloses()
    {
        SettingsDialogFixture fixture;
        fixture.SetPrefixes({QStringLiteral("A_"), QStringLiteral("B_")});
        TfrmSettings& dialog = fixture.Create();
        QVERIFY(fixture.WhileOpen([&] {
            dialog.cmdPrefixSelAllClick();
            QCOMPARE(SelectedItems(*dialog.lbPrefix), QList<int>({0, 1}));
            QCOMPARE(PrefixesWithFlags(), QStringList({"A_", "B_"}));
        }));
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_*", "B_*"}));
        QVERIFY(fixture.WhileOpen([&] { dialog.cmdPrefixSelNoneClick(); }));
        QCOMPARE(PrefixesWithFlags(), QStringList({"A_", "B_"}));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    PrefixText text;
    failures += QTest::qExec(&text, argc, argv);
    PrefixAdding adding;
    failures += QTest::qExec(&adding, argc, argv);
    PrefixEditing editing;
    failures += QTest::qExec(&editing, argc, argv);
    PrefixDeleting deleting;
    failures += QTest::qExec(&deleting, argc, argv);
    PrefixSelection selection;
    failures += QTest::qExec(&selection, argc, argv);
    return failures;
}

#include "tst_settings_prefixes.moc"
