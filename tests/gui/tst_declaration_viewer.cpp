// The declaration viewer on its own: the declaring line marked and the caret
// at its start for every kind of line end and for 8-bit text, the popup
// commands, and closing.
#include "support/DeclarationHeaders.h"
#include "support/FakeClipboard.h"
#include "support/FakeSeams.h"
#include "dialogs/DeclarationText.h"
#include "dialogs/TfrmDeclaration.h"
#include "widgets/TStatusBar.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QColor Red(255, 0, 0);

QPointer<TfrmDeclaration> ShowViewer(const CodeEntry& row)
{
    QPointer<TfrmDeclaration> viewer = TfrmDeclaration::ForRow(nullptr, row);
    if (viewer != nullptr) {
        viewer->show();
        viewer->activateWindow();
        if (!QTest::qWaitForWindowActive(viewer))
            qWarning("the viewer did not become active");
    }
    return viewer;
}

// The text drawn in red, and the pixel size it is drawn with.
QString RedText(const QTextDocument* document, int* pixelSize = nullptr)
{
    QString red;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.foreground().color() != Red)
                continue;
            red += part.fragment().text();
            if (pixelSize != nullptr)
                *pixelSize = QFontInfo(format.font().resolve(document->defaultFont())).pixelSize();
        }
    }
    return red;
}

bool CaretInView(const QPlainTextEdit* text)
{
    return text->viewport()->rect().contains(text->cursorRect().center());
}

// Lines "// line N" with the declaration on line declared, all ending in
// lineEnd.
QByteArray LongHeader(int lines, int declared, const QByteArray& lineEnd)
{
    QByteArray bytes;
    for (int line = 1; line <= lines; ++line) {
        bytes += line == declared ? QByteArray("#define ERROR_MARKED 5L // the declaration")
                                  : "// line " + QByteArray::number(line);
        bytes += lineEnd;
    }
    return bytes;
}

// The declaring line is marked, 2 pixels larger, and the caret rests at its
// start, in view.
void VerifyMarked(const TestHeader& header, int line)
{
    QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", line));
    QVERIFY(viewer != nullptr);
    const QString shown = ShownLine(header.Bytes(), line);
    const QString selected = viewer->DeclarationCursor().selectedText();
    QCOMPARE(selected.chopped(selected.endsWith(QChar::ParagraphSeparator) ? 1 : 0), shown);
    int markedSize = 0;
    QCOMPARE(RedText(viewer->RichEdit1->document(), &markedSize), shown);
    QCOMPARE(markedSize, QFontInfo(viewer->RichEdit1->document()->defaultFont()).pixelSize() + 2);
    const QTextCursor caret = viewer->RichEdit1->textCursor();
    QVERIFY(!caret.hasSelection());
    QCOMPARE(caret.blockNumber(), line - 1);
    QCOMPARE(caret.positionInBlock(), 0);
    QVERIFY(CaretInView(viewer->RichEdit1));
    delete viewer;
}

// Lines "// line N" of about lineBytes bytes each, CR LF ended, up to
// totalBytes, with the declaration as line declared.
QByteArray SizedHeader(qsizetype totalBytes, int declared)
{
    QByteArray bytes;
    bytes.reserve(totalBytes + 64);
    for (int line = 1; bytes.size() < totalBytes; ++line) {
        bytes += line == declared ? QByteArray("#define ERROR_MARKED 5L // the declaration")
                                  : "// line " + QByteArray::number(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool IsFillerLine(const QString& text)
{
    static const QRegularExpression filler(QStringLiteral("^// line \\d+$"));
    return filler.match(text).hasMatch();
}

const QString PartialCaption = QStringLiteral(" - only part of the file is shown");

} // namespace

// A header too large, or with too long a line, to be laid out in about a
// second is shown in part: whole lines around the declaring line, which is
// marked as always, and the caption says so.
class DeclarationPart : public QObject {
    Q_OBJECT

private slots:
    void headerAboveTheBoundShowsWholeLinesAroundTheDeclaration()
    {
        const qsizetype size = static_cast<qsizetype>(DeclarationText::ShownBytes) * 3 / 2;
        TestHeader header(SizedHeader(size, 500000));
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 500000));
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->windowTitle().endsWith(PartialCaption));
        const QTextDocument* document = viewer->RichEdit1->document();
        QVERIFY(document->characterCount() <= static_cast<int>(DeclarationText::ShownBytes));
        QVERIFY(IsFillerLine(document->firstBlock().text()));
        QTextBlock last = document->lastBlock();
        if (last.text().isEmpty())
            last = last.previous();
        QVERIFY(IsFillerLine(last.text()));
        QCOMPARE(RedText(document), ShownLine(header.Bytes(), 500000));
        QCOMPARE(viewer->RichEdit1->textCursor().block().text(), ShownLine(header.Bytes(), 500000));
        QVERIFY(CaretInView(viewer->RichEdit1));
        delete viewer;
    }

    void headerWithinTheBoundIsShownWhole()
    {
        // The declaration late in the file: the lines before it fill more
        // than half the bound.
        TestHeader header(SizedHeader(static_cast<qsizetype>(DeclarationText::ShownBytes) * 3 / 4, 400000));
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 400000));
        QVERIFY(viewer != nullptr);
        QVERIFY(!viewer->windowTitle().endsWith(PartialCaption));
        QCOMPARE(viewer->RichEdit1->document()->characterCount() - 1,
                 header.Bytes().size() - header.Bytes().count('\r'));
        QCOMPARE(viewer->RichEdit1->textCursor().blockNumber(), 400000 - 1);
        delete viewer;
    }

    void longLineElsewhereIsLeftOut()
    {
        const QByteArray longLine(static_cast<qsizetype>(DeclarationText::LongestLine) + 1, 'x');
        TestHeader header("// one\r\n#define ERROR_MARKED 5L\r\n// three\r\n" + longLine + "\r\n// five\r\n");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 2));
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->windowTitle().endsWith(PartialCaption));
        QCOMPARE(viewer->RichEdit1->toPlainText(), QStringLiteral("// one\n#define ERROR_MARKED 5L\n// three\n"));
        QCOMPARE(RedText(viewer->RichEdit1->document()), QStringLiteral("#define ERROR_MARKED 5L"));
        delete viewer;
    }

    void longDeclaringLineIsCutAtTheBound()
    {
        const QByteArray comment(static_cast<qsizetype>(DeclarationText::LongestLine) * 4, 'c');
        TestHeader header("// one\r\n#define ERROR_MARKED 5L /* " + comment + " */\r\n// three\r\n");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 2));
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->windowTitle().endsWith(PartialCaption));
        const QString red = RedText(viewer->RichEdit1->document());
        QCOMPARE(red.size(), static_cast<qsizetype>(DeclarationText::LongestLine));
        QVERIFY(red.startsWith(QStringLiteral("#define ERROR_MARKED 5L /* ccc")));
        QCOMPARE(viewer->RichEdit1->textCursor().positionInBlock(), 0);
        delete viewer;
    }
};

class DeclarationMark : public QObject {
    Q_OBJECT

private slots:
    void crLfHeader()
    {
        TestHeader header(LongHeader(300, 250, "\r\n"));
        VerifyMarked(header, 250);
    }

    void lfHeader()
    {
        TestHeader header(LongHeader(300, 250, "\n"));
        VerifyMarked(header, 250);
    }

    void mixedLineEndsAndAStrayCr()
    {
        // The scan splits at LF only and leaves every CR out; so does the view.
        TestHeader header("// one\r\n// two\n// th\rree\r\n\n#define ERROR_MARKED 5L\r\n// after\n");
        VerifyMarked(header, 5);
    }

    void eightBitTextBeforeAndOnTheLine()
    {
        TestHeader header(
            "// caf\xE9 \x80 \x81 \xFF\r\n// \xAB\xBB\r\n"
            "#define ERROR_MARKED 5L // \x93quoted\x94 \xA7\r\n// end\r\n");
        VerifyMarked(header, 3);
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 3));
        QVERIFY(viewer != nullptr);
        const QTextDocument* document = viewer->RichEdit1->document();
        QCOMPARE(document->findBlockByNumber(0).text(), QString::fromUtf8("// café € \u0081 ÿ"));
        QCOMPARE(RedText(document), QString::fromUtf8("#define ERROR_MARKED 5L // “quoted” §"));
        delete viewer;
    }

    void lastLineWithoutLineEnd()
    {
        TestHeader header("// one\r\n#define ERROR_MARKED 5L");
        VerifyMarked(header, 2);
    }

    void aRowBeyondAShrunkFileStaysInTheText()
    {
        TestHeader header("// one\r\n");
        CodeEntry row = header.Row("ERROR_GONE", 1);
        row.SubItems[ciLineOffset] = "4000";
        row.SubItems[ciLineLength] = "30";
        QPointer<TfrmDeclaration> viewer = ShowViewer(row);
        QVERIFY(viewer != nullptr);
        QCOMPARE(viewer->RichEdit1->textCursor().position(), viewer->RichEdit1->document()->characterCount() - 1);
        QVERIFY(RedText(viewer->RichEdit1->document()).isEmpty());
        delete viewer;
    }

    void anEmptyHeader()
    {
        TestHeader header("");
        CodeEntry row = header.Row("ERROR_GONE", 1);
        QPointer<TfrmDeclaration> viewer = ShowViewer(row);
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->RichEdit1->document()->isEmpty());
        QCOMPARE(viewer->RichEdit1->textCursor().position(), 0);
        delete viewer;
    }
};

class DeclarationPopup : public QObject {
    Q_OBJECT

private slots:
    void copyIsDisabledWithoutASelection()
    {
        TestHeader header("// one\r\n#define ERROR_MARKED 5L\r\n");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 2));
        QVERIFY(viewer != nullptr);
        emit viewer->PopupMenu1->aboutToShow();
        QVERIFY(!viewer->pmnuCopy->isEnabled());
        FakeClipboard clipboard;
        ScopedSeam<Clipboard> clipboardSeam(clipboard);
        QTest::keyClick(viewer->RichEdit1, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard.puts.empty());
        delete viewer;
    }

    void selectAllThenCopyTakesTheWholeFileWithItsLineEnds()
    {
        TestHeader header("// caf\xE9\r\n#define ERROR_MARKED 5L\r\n// end");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 2));
        QVERIFY(viewer != nullptr);
        QTest::keyClick(viewer->RichEdit1, Qt::Key_A, Qt::ControlModifier);
        emit viewer->PopupMenu1->aboutToShow();
        QVERIFY(viewer->pmnuCopy->isEnabled());
        FakeClipboard clipboard;
        ScopedSeam<Clipboard> clipboardSeam(clipboard);
        QTest::keyClick(viewer->RichEdit1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard.puts, std::vector<std::string>{"// caf\xE9\r\n#define ERROR_MARKED 5L\r\n// end"});
        delete viewer;
    }

    void backReturnsToTheDeclarationAfterMoving()
    {
        TestHeader header(LongHeader(400, 300, "\r\n"));
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 300));
        QVERIFY(viewer != nullptr);
        QPlainTextEdit* text = viewer->RichEdit1;
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(text->textCursor().blockNumber(), 1);
        QCOMPARE(text->verticalScrollBar()->value(), 0);

        QTest::keyClick(text, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!text->textCursor().hasSelection());
        QCOMPARE(text->textCursor().blockNumber(), 299);
        QCOMPARE(text->textCursor().positionInBlock(), 0);
        QVERIFY(CaretInView(text));
        delete viewer;
    }

    void escapeClosesAndDestroys()
    {
        TestHeader header("#define ERROR_MARKED 5L\r\n");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 1));
        QVERIFY(viewer != nullptr);
        QTest::keyClick(viewer->RichEdit1, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(viewer.isNull(), 2000);
    }

    void theLongestLineNumberShowsWholeInTheStatusBar()
    {
        TestHeader header("#define ERROR_MARKED 5L\r\n");
        CodeEntry row = header.Row("ERROR_MARKED", 1);
        row.SubItems[ciLine] = "18446744073709551615";
        QPointer<TfrmDeclaration> viewer = ShowViewer(row);
        QVERIFY(viewer != nullptr);
        auto* panel = viewer->StatusBar1->findChildren<QLabel*>().value(0);
        QVERIFY(panel != nullptr);
        QVERIFY(panel->text().endsWith(QLatin1String("18446744073709551615")));
        // A framed label starts its text half an "x" in.
        const QFontMetrics metrics = panel->fontMetrics();
        const int indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2;
        QVERIFY2(indent + metrics.horizontalAdvance(panel->text()) <= panel->contentsRect().width(),
                 qPrintable(QStringLiteral("%1 pixels wide").arg(panel->contentsRect().width())));
        delete viewer;
    }

    void ctrlXClosesAndDestroys()
    {
        TestHeader header("#define ERROR_MARKED 5L\r\n");
        QPointer<TfrmDeclaration> viewer = ShowViewer(header.Row("ERROR_MARKED", 1));
        QVERIFY(viewer != nullptr);
        QTest::keyClick(viewer->RichEdit1, Qt::Key_X, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(viewer.isNull(), 2000);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    DeclarationMark mark;
    failures += QTest::qExec(&mark, argc, argv);
    DeclarationPopup popup;
    failures += QTest::qExec(&popup, argc, argv);
    DeclarationPart part;
    failures += QTest::qExec(&part, argc, argv);
    return failures;
}

#include "tst_declaration_viewer.moc"
