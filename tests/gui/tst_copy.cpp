// Copy: the copy command with its message for empty settings, delivery to
// the Output pane and to the clipboard, the copy-settings dialog, and the
// Output pane's text model over its edit control.
#include "support/ModalDialogDriver.h"
#include "support/OutputFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "app/OutputPaneBinding.h"
#include "widgets/TListView.h"
#include "dialogs/TfrmCopyWhat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

std::vector<CodeEntry> TwoCodes()
{
    return {FullRow("ERROR_FILE_NOT_FOUND", "2", "winerror.h", "123", "4000"),
            FullRow("ERROR_ACCESS_DENIED", "5", "winerror.h", "150", "5000")};
}

TfrmCopyWhat* CopyDialog(QWidget& dialog)
{
    return qobject_cast<TfrmCopyWhat*>(&dialog);
}

} // namespace

class CopyCommand : public QObject {
    Q_OBJECT

private slots:
    void withoutColumnsWarnsThenOpensTheDialogAndCopiesNothing()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.SetColumns(false, false, false, false, false, false);
        fixture.ClickRow(*main.ListView1, 0);
        std::size_t messagesWhileOpen = 0;
        bool copySettings = false;
        ModalDialogDriver driver([&](QWidget& dialog) {
            messagesWhileOpen = fixture.boxes.shown.size();
            copySettings = CopyDialog(dialog) != nullptr;
            CopyDialog(dialog)->chkCode->setChecked(true);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::keyClick(main.ListView1, Qt::Key_C, Qt::ControlModifier);

        QVERIFY(driver.Acted());
        QVERIFY(copySettings);
        QCOMPARE(messagesWhileOpen, std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, std::string("Copy settings are not defined"));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string("Check copy settings"));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_ICONEXCLAMATION);
        QCOMPARE(fixture.CopyOptions().CopyCode, BYTE{1});
        QCOMPARE(fixture.PaneText(), std::string());
        QVERIFY(fixture.clipboard.puts.empty());
    }

    void defaultSettingsAppendEachMnemonicWithALineBreak()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.ClickRow(*main.ListView1, 0);
        QTest::keyClick(main.ListView1, Qt::Key_C, Qt::ControlModifier);
        fixture.ClickRow(*main.ListView1, 1);
        main.cmdCopy->click();
        QCOMPARE(fixture.PaneText(), std::string("ERROR_FILE_NOT_FOUND\r\nERROR_ACCESS_DENIED\r\n"));
        QVERIFY(fixture.boxes.shown.empty());
    }

    void replaceLeavesNoLineBreakAndAnAppendStartsANewLine()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        main.OutputText->SetText("old text\r\n");
        fixture.SetColumns(true, true, true, true, true, true);
        fixture.CopyOptions().ReplaceOutput = 1;
        fixture.ClickRow(*main.ListView1, 0);
        main.pmnuCCopy->trigger();
        const std::string first =
            "ERROR_FILE_NOT_FOUND Code : 2 Facility : NULL Severity : 0 FileName : winerror.h Line : 123";
        QCOMPARE(fixture.PaneText(), first);

        fixture.SetColumns(false, true, false, false, false, false);
        fixture.CopyOptions().ReplaceOutput = 0;
        fixture.ClickRow(*main.ListView1, 1);
        main.cmdCopyClick();
        QCOMPARE(fixture.PaneText(), first + "\r\n Code : 5");
    }

    void clipboardReplaceAndAppend()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.clipboard.text = "abc\r\n";
        fixture.ClickRow(*main.ListView1, 0);
        main.cmdCopyClick();
        QCOMPARE(*fixture.clipboard.text, std::string("abc\r\n\r\nERROR_FILE_NOT_FOUND"));

        fixture.CopyOptions().ReplaceOutput = 1;
        main.cmdCopyClick();
        QCOMPARE(*fixture.clipboard.text, std::string("ERROR_FILE_NOT_FOUND"));
        QCOMPARE(fixture.PaneText(), std::string());
    }

    void clipboardWithoutTextIsReplacedOnAppend()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.ClickRow(*main.ListView1, 1);
        main.cmdCopyClick();
        QCOMPARE(fixture.clipboard.puts, std::vector<std::string>{"ERROR_ACCESS_DENIED"});
    }

    void unreadableClipboardDropsTheCopySilently()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.clipboard.text = "kept";
        fixture.clipboard.readFails = true;
        fixture.ClickRow(*main.ListView1, 0);
        main.cmdCopyClick();
        QVERIFY(fixture.clipboard.puts.empty());
        QVERIFY(fixture.boxes.shown.empty());
    }

    void fullPaneWarnsAndKeepsWhatItTook()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        fixture.ClickRow(*main.ListView1, 0);
        main.cmdCopyClick();
        main.OutputText->SetCapacity(30);
        fixture.ClickRow(*main.ListView1, 1);
        main.cmdCopyClick();
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, std::string("Cannot add more lines to the output window"));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string(DefaultMessageBoxCaption));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_ICONEXCLAMATION);
        QCOMPARE(fixture.PaneText(), std::string("ERROR_FILE_NOT_FOUND\r\nERROR_AC"));
    }

    void withoutASelectedRowNothingHappens()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes(TwoCodes());
        main.cmdCopyClick();
        QCOMPARE(fixture.PaneText(), std::string());
        QVERIFY(fixture.boxes.shown.empty());
    }

    void textsStayInTheProgramsCodePage()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({FullRow("ERROR_CAF\xC9", "7", "h\xE9.h", "1", "0")});
        fixture.SetColumns(true, false, false, false, true, false);
        fixture.ClickRow(*main.ListView1, 0);
        main.cmdCopyClick();
        QCOMPARE(main.txtOutput->toPlainText(), QStringLiteral("ERROR_CAF\u00C9 FileName : h\u00E9.h\n"));
        fixture.CopyOptions().CopyToClipboard = 1;
        main.cmdCopyClick();
        QCOMPARE(fixture.clipboard.puts, std::vector<std::string>{"ERROR_CAF\xC9 FileName : h\xE9.h"});
    }
};

class CopySettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void f8ShowsTheSettingsAsTheyAre()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        fixture.SetColumns(false, true, false, true, false, true);
        fixture.CopyOptions().CopyToClipboard = 1;
        fixture.CopyOptions().ReplaceOutput = 1;
        std::vector<bool> ticks;
        bool clipboard = false;
        bool replace = false;
        QString caption;
        ModalDialogDriver driver([&](QWidget& dialog) {
            TfrmCopyWhat* copyWhat = CopyDialog(dialog);
            for (QCheckBox* box : {copyWhat->chkMnemonic, copyWhat->chkCode, copyWhat->chkFacility,
                                   copyWhat->chkSeverity, copyWhat->chkHeaderFile, copyWhat->chkLineNumber})
                ticks.push_back(box->isChecked());
            clipboard = copyWhat->rbClipboard->isChecked() && !copyWhat->rbOutputWindow->isChecked();
            replace = copyWhat->rbReplace->isChecked() && !copyWhat->rbAppend->isChecked();
            caption = dialog.windowTitle();
            PressCloseBox(dialog);
        });
        FocusControl(main.ListView1);
        QTest::keyClick(main.ListView1, Qt::Key_F8);
        QVERIFY(driver.Acted());
        QCOMPARE(caption, QStringLiteral("Copy settings"));
        QCOMPARE(ticks, (std::vector<bool>{false, true, false, true, false, true}));
        QVERIFY(clipboard);
        QVERIFY(replace);
        QVERIFY(driver.Dialog() == nullptr);
    }

    void escapeStoresTheChanges()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        ModalDialogDriver driver([](QWidget& dialog) {
            TfrmCopyWhat* copyWhat = CopyDialog(dialog);
            copyWhat->chkMnemonic->setChecked(false);
            copyWhat->chkHeaderFile->setChecked(true);
            copyWhat->rbClipboard->setChecked(true);
            copyWhat->rbReplace->setChecked(true);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        main.mnuCopySettingsClick();
        QVERIFY(driver.Acted());
        const TSettings::tagCopyOptions& options = fixture.CopyOptions();
        QCOMPARE(options.CopyMnemonic, BYTE{0});
        QCOMPARE(options.CopyHeaderFile, BYTE{1});
        QCOMPARE(options.CopyToClipboard, BYTE{1});
        QCOMPARE(options.ReplaceOutput, BYTE{1});
    }

    void enterClosesWhateverHasTheFocus()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        fixture.CopyOptions().CopyToClipboard = 1;
        bool visibleAfterEnter = true;
        ModalDialogDriver driver([&](QWidget& dialog) {
            TfrmCopyWhat* copyWhat = CopyDialog(dialog);
            copyWhat->rbOutputWindow->setChecked(true);
            copyWhat->chkLineNumber->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(copyWhat->chkLineNumber, Qt::Key_Return);
            visibleAfterEnter = dialog.isVisible();
            if (visibleAfterEnter)
                PressCloseBox(dialog);
        });
        main.pmnuCopySettings->trigger();
        QVERIFY(driver.Acted());
        QVERIFY(!visibleAfterEnter);
        QCOMPARE(fixture.CopyOptions().CopyToClipboard, BYTE{0});
        QCOMPARE(fixture.CopyOptions().CopyLineNumber, BYTE{0});
    }

    void closeBoxStoresTheChanges()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        ModalDialogDriver driver([](QWidget& dialog) {
            CopyDialog(dialog)->chkFacility->setChecked(true);
            PressCloseBox(dialog);
        });
        main.mnuCopySettingsClick();
        QVERIFY(driver.Acted());
        QCOMPARE(fixture.CopyOptions().CopyFacility, BYTE{1});
        QCOMPARE(fixture.CopyOptions().CopyMnemonic, BYTE{1});
    }
};

class OutputPaneText : public QObject {
    Q_OBJECT

private slots:
    void lineBreaksAreCrLfToTheProgram()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        main.OutputText->SetText("one\r\ntwo");
        QCOMPARE(main.txtOutput->blockCount(), 2);
        QCOMPARE(main.OutputText->Length(), std::size_t{8});
        QVERIFY(main.OutputText->AppendLine("three"));
        QCOMPARE(fixture.PaneText(), std::string("one\r\ntwo\r\nthree"));
    }

    void aFullPaneNeverTakesHalfALineBreak()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        main.OutputText->SetText("abc");
        main.OutputText->SetCapacity(4);
        QVERIFY(!main.OutputText->AppendLine("d"));
        QCOMPARE(fixture.PaneText(), std::string("abc"));
        QCOMPARE(main.txtOutput->blockCount(), 1);
    }

    void typedTextIsNotLimited()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateWithCodes({});
        main.OutputText->SetCapacity(2);
        FocusControl(main.txtOutput);
        QTest::keyClicks(main.txtOutput, QStringLiteral("typed"));
        QCOMPARE(fixture.PaneText(), std::string("typed"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    CopyCommand copy;
    failures += QTest::qExec(&copy, argc, argv);
    CopySettingsDialog dialog;
    failures += QTest::qExec(&dialog, argc, argv);
    OutputPaneText pane;
    failures += QTest::qExec(&pane, argc, argv);
    return failures;
}

#include "tst_copy.moc"
