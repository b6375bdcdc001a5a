// Print: the focused pane's text as one job on the default printer, page
// after page over the whole printable area. The default printer prints into
// a PDF file here, read back with pdftotext.
#include "support/MainWindowFixture.h"
#include "widgets/TListView.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int ToolTimeoutMs = 30000;

// The text of each page, as pdftotext divides them.
QStringList PdfPages(const QString& pdfFile)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {pdfFile, QStringLiteral("-")});
    if (!tool.waitForFinished(ToolTimeoutMs) || tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished(ToolTimeoutMs);
        qWarning("pdftotext failed on %s", qPrintable(pdfFile));
        return {};
    }
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
    // Every page ends with a form feed, so the last piece is empty.
    if (!pages.isEmpty() && pages.constLast().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList Lines(const QString& pageText)
{
    return pageText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1 of the output").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class PrintCommand : public QObject {
    Q_OBJECT

private:
    MainWindowFixture* fixture = nullptr;
    TfrmMain* main = nullptr;
    FakePrinter* printer = nullptr;
    QTemporaryDir* folder = nullptr;

private slots:
    void init()
    {
        folder = new QTemporaryDir;
        QVERIFY(folder->isValid());
        fixture = new MainWindowFixture;
        printer = &fixture->printer;
        printer->pdfFile = folder->filePath(QStringLiteral("job.pdf"));
        main = &fixture->CreateShown();
    }
    void cleanup()
    {
        delete fixture;
        delete folder;
    }

    void nothingWithTheCodeListFocused()
    {
        main->ShowSystemMessage(2);
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->ListView1);
        main->cmdPrintClick();
        QCOMPARE(printer->asked, 0);
        QVERIFY(fixture->boxes.shown.empty());
        QVERIFY(!QFile::exists(printer->pdfFile));
    }

    void nothingWithTheFocusedPaneEmpty()
    {
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->Memo1);
        main->cmdPrintClick();
        QCOMPARE(printer->asked, 0);
        QVERIFY(fixture->boxes.shown.empty());
    }

    void noDefaultPrinterIsReported()
    {
        printer->pdfFile.clear();
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        main->cmdPrintClick();
        QCOMPARE(printer->asked, 1);
        QCOMPARE(fixture->boxes.shown.size(), size_t(1));
        QCOMPARE(fixture->boxes.shown[0].text, std::string("There is no default printer currently selected"));
        QCOMPARE(fixture->boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
    }

    void jobThatCannotStartIsReported()
    {
        printer->pdfFile = folder->filePath(QStringLiteral("missing/job.pdf"));
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        main->cmdPrintClick();
        QCOMPARE(fixture->boxes.shown.size(), size_t(1));
        QCOMPARE(fixture->boxes.shown[0].text, std::string("Printing failed"));
    }

    void printedCodeHasNoLigatures()
    {
        const QString code = QStringLiteral("int firstArgument = fflush(file); // official");
        main->txtOutput->setPlainText(code);
        FocusControl(main->txtOutput);
        main->cmdPrintClick();
        const QStringList pages = PdfPages(printer->pdfFile);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(Lines(pages[0]).join(QLatin1Char('\n')), code);
    }

    void shortTextIsOnePage()
    {
        main->ShowSystemMessage(2);
        main->txtOutput->setPlainText(QStringLiteral("not this one"));
        FocusControl(main->Memo1);
        main->cmdPrintClick();
        const QStringList pages = PdfPages(printer->pdfFile);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(Lines(pages[0]).join(QLatin1Char('\n')), main->Memo1->toPlainText().trimmed());
        QVERIFY(fixture->boxes.shown.empty());
    }

    void longTextFillsEveryPageAndEndsOnTheLastLine()
    {
        constexpr int lineCount = 400;
        main->txtOutput->setPlainText(NumberedLines(lineCount));
        FocusControl(main->txtOutput);
        main->cmdPrintClick();
        const QStringList pages = PdfPages(printer->pdfFile);
        QVERIFY(pages.size() > 1);

        QStringList printed;
        for (const QString& page : pages)
            printed << Lines(page);
        QCOMPARE(printed, Lines(NumberedLines(lineCount)));

        // Every page but the last holds as many lines as fit; the last holds
        // the rest and is not empty.
        const qsizetype perPage = Lines(pages[0]).size();
        for (qsizetype i = 1; i + 1 < pages.size(); ++i)
            QCOMPARE(Lines(pages[i]).size(), perPage);
        QVERIFY(!Lines(pages.constLast()).isEmpty());
        QVERIFY(Lines(pages.constLast()).size() <= perPage);
        QCOMPARE(pages.size(), (lineCount + perPage - 1) / perPage);
        // As many as the whole printable area holds in the default font.
        const std::unique_ptr<QPrinter> job = printer->DefaultPrinter();
        QCOMPARE(perPage, static_cast<qsizetype>(job->height() / QFontMetricsF(QFont(), job.get()).height()));
    }

    void longLineIsWrappedNotCut()
    {
        QStringList words;
        for (int i = 0; i < 300; ++i)
            words << QStringLiteral("w%1").arg(i);
        main->txtOutput->setPlainText(words.join(QLatin1Char(' ')));
        FocusControl(main->txtOutput);
        main->cmdPrintClick();
        const QStringList pages = PdfPages(printer->pdfFile);
        QCOMPARE(pages.size(), 1);
        QVERIFY(Lines(pages[0]).size() > 1);
        QCOMPARE(pages[0].simplified(), words.join(QLatin1Char(' ')));
    }
};

QTEST_MAIN(PrintCommand)
#include "tst_print.moc"
