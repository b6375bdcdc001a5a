// The code generator: the "Make..." dialog and the command that writes the
// generated lines into the Output pane and onto the clipboard.
#include "support/ModalDialogDriver.h"
#include "support/OutputFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "app/OutputPaneBinding.h"
#include "widgets/TListView.h"
#include "dialogs/TfrmActionSelect.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

TfrmActionSelect& MakeDialog(QWidget& dialog)
{
    return *qobject_cast<TfrmActionSelect*>(&dialog);
}

// The main window with the codes listed in this order.
TfrmMain& WithListedCodes(OutputFixture& fixture, std::initializer_list<const char*> mnemonics)
{
    std::vector<CodeEntry> codes;
    int value = 1;
    for (const char* mnemonic : mnemonics) {
        const std::string code = std::to_string(value++);
        codes.push_back(FullRow(mnemonic, code.c_str(), "winerror.h", code.c_str(), "0"));
    }
    TfrmMain& main = fixture.CreateWithCodes(codes);
    for (int row = 0; row < static_cast<int>(codes.size()); ++row)
        fixture.ListCodes({row});
    return main;
}

// Runs Make, filling in the dialog with fill and then pressing "Do it".
void Make(TfrmMain& main, const std::function<void(TfrmActionSelect&)>& fill)
{
    ModalDialogDriver driver([&](QWidget& dialog) {
        TfrmActionSelect& make = MakeDialog(dialog);
        fill(make);
        QTest::mouseClick(make.Button1, Qt::LeftButton);
        if (dialog.isVisible())
            PressCloseBox(dialog);
    });
    main.cmdActionMakeClick();
    if (!driver.Acted())
        qWarning("the Make dialog did not open");
}

} // namespace

class MakeDialogControls : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheDefaultsEveryTime()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_A"});
        for (int opening = 0; opening < 2; ++opening) {
            bool defaults = false;
            ModalDialogDriver driver([&](QWidget& dialog) {
                TfrmActionSelect& make = MakeDialog(dialog);
                defaults = dialog.windowTitle() == QStringLiteral("Make...") && make.rbSwitch->isChecked()
                           && make.stxtExpresion->text() == QStringLiteral("Expression (Optional) :")
                           && make.txtExpression->text().isEmpty() && make.txtExpression->hasFocus()
                           && !make.chkBrackets->isChecked() && !make.chkClipboard->isChecked()
                           && make.Button1->isDefault();
                make.rbElseIf->click();
                make.chkBrackets->setChecked(true);
                make.txtExpression->setText(QStringLiteral("dwError"));
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
            main.cmdActionMake->click();
            QVERIFY(driver.Acted());
            QVERIFY2(defaults, "the dialog did not open with its defaults");
        }
    }

    void theHeadingSaysWhetherTheExpressionIsRequired()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TfrmActionSelect make(&main);
        make.show();
        make.rbElseIf->click();
        QCOMPARE(make.stxtExpresion->text(), QStringLiteral("Expression (Requred) :"));
        make.rbSwitch->click();
        QCOMPARE(make.stxtExpresion->text(), QStringLiteral("Expression (Optional) :"));
    }

    void theExpressionIsTrimmed()
    {
        OutputFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TfrmActionSelect make(&main);
        make.txtExpression->setText(QStringLiteral("  dwError\t "));
        make.Button1Click();
        QCOMPARE(make.txtExpression->text(), QStringLiteral("dwError"));
        QCOMPARE(make.result(), int(QDialog::Accepted));
    }

    void ifElseIfWithoutExpressionAsksForOneAndStaysOpen()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_A"});
        bool openAfterRefusal = false;
        QString editWhileBoxShown;
        QString editAfterRefusal;
        bool editFocused = false;
        ModalDialogDriver driver([&](QWidget& dialog) {
            TfrmActionSelect& make = MakeDialog(dialog);
            make.rbElseIf->click();
            make.txtExpression->setText(QStringLiteral("   "));
            fixture.boxes.whileShown = [&] { editWhileBoxShown = make.txtExpression->text(); };
            QTest::keyClick(make.txtExpression, Qt::Key_Return);
            fixture.boxes.whileShown = nullptr;
            openAfterRefusal = dialog.isVisible();
            editAfterRefusal = make.txtExpression->text();
            editFocused = make.txtExpression->hasFocus();
            QTest::keyClick(make.txtExpression, Qt::Key_Return);
            if (dialog.isVisible())
                PressCloseBox(dialog);
        });
        main.cmdActionMakeClick();
        QVERIFY(driver.Acted());
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, std::string("Please, input expression"));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string(DefaultMessageBoxCaption));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_ICONEXCLAMATION);
        QVERIFY(openAfterRefusal);
        QCOMPARE(editWhileBoxShown, QStringLiteral("   "));
        QCOMPARE(editAfterRefusal, QStringLiteral("Code"));
        QVERIFY(editFocused);
        QCOMPARE(fixture.PaneText(), std::string("if(ERROR_A == Code)\r\nelse // unexpected ???"));
    }
};

class MakeCommand : public QObject {
    Q_OBJECT

private slots:
    void aSwitchReplacesThePaneAndTheOutputTabComesToTheFront()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_FILE_NOT_FOUND", "ERROR_ACCESS_DENIED"});
        main.OutputText->SetText("earlier\r\n");
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        Make(main, [](TfrmActionSelect& make) { make.txtExpression->setText(QStringLiteral("dwError")); });
        QCOMPARE(fixture.PaneText(), std::string("switch(dwError)\r\n {\r\n"
                                                 "  case ERROR_FILE_NOT_FOUND: break;\r\n"
                                                 "  case ERROR_ACCESS_DENIED: break;\r\n"
                                                 "  default: break;\r\n }"));
        QCOMPARE(main.PageControl1->currentWidget(), main.TabSheet2);
        QVERIFY(fixture.clipboard.puts.empty());
    }

    void generatingTwiceReplacesTheFirstResult()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_A"});
        Make(main, [](TfrmActionSelect&) {});
        Make(main, [](TfrmActionSelect& make) {
            make.rbElseIf->click();
            make.txtExpression->setText(QStringLiteral("e"));
        });
        QCOMPARE(fixture.PaneText(), std::string("if(ERROR_A == e)\r\nelse // unexpected ???"));
    }

    void theClipboardHoldsExactlyThePanesText()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_A", "ERROR_B"});
        fixture.clipboard.text = "before";
        Make(main, [](TfrmActionSelect& make) {
            make.rbElseIf->click();
            make.txtExpression->setText(QStringLiteral("hr"));
            make.chkBrackets->setChecked(true);
            make.chkClipboard->setChecked(true);
        });
        const std::string expected =
            "if(ERROR_A == hr)\r\n {\r\n   \r\n }\r\n"
            "else if(ERROR_B == hr)\r\n {\r\n   \r\n }\r\n"
            "else\r\n {\r\n   // unexpected ???\r\n }";
        QCOMPARE(fixture.PaneText(), expected);
        QCOMPARE(fixture.clipboard.puts, std::vector<std::string>{expected});
    }

    void laterEscapeAndTheCloseBoxChangeNothing()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_A"});
        main.OutputText->SetText("kept");
        fixture.clipboard.text = "clip";
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        const std::vector<std::function<void(TfrmActionSelect&)>> closings{
            [](TfrmActionSelect& make) { QTest::mouseClick(make.Button2, Qt::LeftButton); },
            [](TfrmActionSelect& make) { QTest::keyClick(make.txtExpression, Qt::Key_Escape); },
            [](TfrmActionSelect& make) { PressCloseBox(make); },
        };
        for (const auto& close : closings) {
            ModalDialogDriver driver([&](QWidget& dialog) {
                TfrmActionSelect& make = MakeDialog(dialog);
                make.txtExpression->setText(QStringLiteral("x"));
                make.chkClipboard->setChecked(true);
                close(make);
            });
            main.pmnuAMake->trigger();
            QVERIFY(driver.Acted());
        }
        QCOMPARE(fixture.PaneText(), std::string("kept"));
        QVERIFY(fixture.clipboard.puts.empty());
        QCOMPARE(main.PageControl1->currentWidget(), main.TabSheet3);
    }

    void theRowsComeInTheOrderShownAfterASort()
    {
        OutputFixture fixture;
        TfrmMain& main = WithListedCodes(fixture, {"ERROR_B", "ERROR_A", "ERROR_C"});
        main.ListViewColumnClick(main.lvAction, 0);
        Make(main, [](TfrmActionSelect&) {});
        QCOMPARE(fixture.PaneText(), std::string("switch()\r\n {\r\n"
                                                 "  case ERROR_C: break;\r\n"
                                                 "  case ERROR_B: break;\r\n"
                                                 "  case ERROR_A: break;\r\n"
                                                 "  default: break;\r\n }"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    MakeDialogControls dialog;
    failures += QTest::qExec(&dialog, argc, argv);
    MakeCommand command;
    failures += QTest::qExec(&command, argc, argv);
    return failures;
}

#include "tst_generator.moc"
