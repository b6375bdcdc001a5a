// The Lookup window: its report on fresh default settings, on a pasted log
// line, closing with Escape, and the lead from a report line to the code
// list's row.
#include "support/CatalogueFixture.h"
#include "support/Commands.h"
#include "dialogs/TfrmLookup.h"
#include "widgets/TListView.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

TfrmLookup& OpenLookup(TfrmMain& main)
{
    QTest::keyClick(main.windowHandle(), Qt::Key_F6);
    auto* lookup = main.findChild<TfrmLookup*>();
    if (lookup == nullptr || !QTest::qWaitForWindowActive(lookup))
        qFatal("F6 did not open the Lookup window");
    return *lookup;
}

int LineHolding(const QPlainTextEdit& pane, const QString& text)
{
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block.blockNumber();
    }
    return -1;
}

} // namespace

class LookupWindow : public QObject {
    Q_OBJECT

private slots:
    void freshDefaultsAnswerAnAccessViolation()
    {
        MainWindowFixture fixture;
        TfrmLookup& lookup = OpenLookup(fixture.CreateShown());
        QCOMPARE(QApplication::focusWidget(), lookup.txtLookupTerm);
        QTest::keyClicks(lookup.txtLookupTerm, QStringLiteral("0xC0000005"));
        QVERIFY2(lookup.txtLookupReport->toPlainText().contains(QStringLiteral("STATUS_ACCESS_VIOLATION")),
                 qPrintable(lookup.txtLookupReport->toPlainText()));
    }

    void aPastedLogLineReportsEachCodeOnce()
    {
        MainWindowFixture fixture;
        TfrmLookup& lookup = OpenLookup(fixture.CreateShown());
        lookup.txtLookupTerm->setText(QStringLiteral(
            "2023-11-05 10:22:33 setup.exe pid 4120: failed with 0x80070005, retry failed with 0x80070005; "
            "service returned error 1722"));
        const QString report = lookup.txtLookupReport->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("E_ACCESSDENIED")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("RPC_S_SERVER_UNAVAILABLE")), qPrintable(report));
        QCOMPARE(report.count(QStringLiteral("0x80070005  unsigned")), 1);
        QVERIFY2(!report.contains(QStringLiteral("unsigned 4120")), "a process id is no code");
    }

    void escapeClosesAndTheTextStays()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TfrmLookup& lookup = OpenLookup(main);
        lookup.txtLookupTerm->setText(QStringLiteral("5"));
        QTest::keyClick(lookup.txtLookupTerm, Qt::Key_Escape);
        QVERIFY(!lookup.isVisible());
        QVERIFY(TriggerCommand(main, "mnuLookup"));
        QVERIFY(lookup.isVisible());
        QCOMPARE(lookup.txtLookupTerm->text(), QStringLiteral("5"));
    }

    void aDefinitionThatIsALoadedRowLeadsToIt()
    {
        QTemporaryDir folder;
        const QString header = folder.filePath(QStringLiteral("mine.h"));
        QFile file(header);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#define MY_FIRST 77\r\n#define MY_DENIED 5\r\n");
        file.close();
        CatalogueFixture fixture;
        fixture.SetHeaders({{header.toStdString(), true}});
        fixture.SetPrefixes({{"MY_", true}});
        TfrmMain& main = fixture.CreateShown();
        main.cmdLoadClick();
        main.ListView1->SelectRow(0);
        TfrmLookup& lookup = OpenLookup(main);
        lookup.txtLookupTerm->setText(QStringLiteral("5"));
        QPlainTextEdit* report = lookup.txtLookupReport;

        // Built in, but no row of the list: nothing changes.
        QVERIFY(!lookup.ReportLineActivate(LineHolding(*report, QStringLiteral("ERROR_ACCESS_DENIED"))));
        QCOMPARE(main.ListView1->SelectedRow(), 0);

        const int line = LineHolding(*report, QStringLiteral("MY_DENIED"));
        report->setFocus();
        report->setTextCursor(QTextCursor(report->document()->findBlockByNumber(line)));
        QTest::keyClick(report, Qt::Key_Return);
        QCOMPARE(main.ListView1->SelectedRow(), 1);
    }
};

QTEST_MAIN(LookupWindow)
#include "tst_lookup_window.moc"
