// Save: the focused pane's lines to the file the user names, each followed
// by CR LF; the dialog's title, filter and last name; failures reported with
// no half file left under the chosen name.
#include "support/MainWindowFixture.h"
#include "widgets/TListView.h"
#include "widgets/TSaveDialog.h"
#include "output/SystemMessageText.h"
#include "platform/file_faults.h"
#include "platform/win32.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString MemoTitle = QStringLiteral("Save GetLastError() result as...");
const QString OutputTitle = QStringLiteral("Save text from output window as...");
const QString Filter = QStringLiteral("Text files (*.txt)|*.txt|C/C++ files (*.c;*.cpp)|*.c;*.cpp|All files (*.*)|*.*");

QByteArray ReadAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class SaveCommand : public QObject {
    Q_OBJECT

private:
    MainWindowFixture* fixture = nullptr;
    TfrmMain* main = nullptr;
    FakeFileSaveDialog* dialog = nullptr;
    QTemporaryDir* folder = nullptr;

    QString File(const char* name) const { return folder->filePath(QString::fromLatin1(name)); }
    QStringList Entries() const { return QDir(folder->path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

private slots:
    void init()
    {
        FileFaults::Reset();
        folder = new QTemporaryDir;
        QVERIFY(folder->isValid());
        fixture = new MainWindowFixture;
        dialog = &fixture->saveDialog;
        main = &fixture->CreateShown();
    }
    void cleanup()
    {
        delete fixture;
        delete folder;
        FileFaults::Reset();
    }

    void memoFileEndsWithExactlyOneLineBreak()
    {
        main->ShowSystemMessage(2);
        FocusControl(main->Memo1);
        dialog->answers = {File("message.txt")};
        main->cmdSaveClick();
        QCOMPARE(dialog->offered.size(), size_t(1));
        QCOMPARE(dialog->offered[0].Title, MemoTitle);
        QCOMPARE(dialog->offered[0].Filter, Filter);
        QCOMPARE(dialog->offered[0].FilterIndex, 1);
        QVERIFY(dialog->offered[0].FileName.isEmpty());
        const QByteArray bytes = ReadAll(File("message.txt"));
        QCOMPARE(bytes, QByteArray::fromStdString(SystemMessageText(2)));
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.endsWith("\r\n\r\n"));
        QVERIFY(fixture->boxes.shown.empty());
    }

    void outputPaneWritesEveryLineWithCrLf()
    {
        main->txtOutput->setPlainText(QStringLiteral("case ERROR_FILE_NOT_FOUND:\n    break;\n\ndefault:"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("switch.c")};
        main->cmdSaveClick();
        QCOMPARE(dialog->offered.at(0).Title, OutputTitle);
        QCOMPARE(ReadAll(File("switch.c")), QByteArray("case ERROR_FILE_NOT_FOUND:\r\n    break;\r\n\r\ndefault:\r\n"));
    }

    void textIsWrittenInTheProgramsCodePage()
    {
        main->txtOutput->setPlainText(QStringLiteral("caf\u00e9 \u20ac \u4e2d"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("ansi.txt")};
        main->cmdSaveClick();
        QCOMPARE(ReadAll(File("ansi.txt")), QByteArray("caf\xe9 \x80 ?\r\n"));
    }

    void nameWithoutAnExtensionStaysWithoutOne()
    {
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("result")};
        main->cmdSaveClick();
        QCOMPARE(Entries(), QStringList{QStringLiteral("result")});
    }

    void secondSaveOffersTheFirstNameAndFilter()
    {
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        dialog->chosenFilterIndex = 3;
        dialog->answers = {File("first.cpp"), QString()};
        main->cmdSaveClick();
        main->ShowSystemMessage(5);
        FocusControl(main->Memo1);
        main->cmdSaveClick();
        QCOMPARE(dialog->offered.size(), size_t(2));
        QCOMPARE(dialog->offered[1].FileName, File("first.cpp"));
        QCOMPARE(dialog->offered[1].FilterIndex, 3);
        QCOMPARE(dialog->offered[1].Title, MemoTitle);
    }

    void cancelWritesNothing()
    {
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        dialog->answers = {QString()};
        main->cmdSaveClick();
        QCOMPARE(dialog->offered.size(), size_t(1));
        QVERIFY(Entries().isEmpty());
        QVERIFY(main->SaveDialog1->Choice.FileName.isEmpty());
    }

    void existingFileIsReplacedOnlyOnYes()
    {
        WriteAll(File("old.txt"), QByteArray(5000, 'o'));
        main->txtOutput->setPlainText(QStringLiteral("new"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("old.txt"), File("old.txt")};
        fixture->boxes.answers = {IDNO, IDYES};
        main->cmdSaveClick();
        QCOMPARE(ReadAll(File("old.txt")), QByteArray(5000, 'o'));
        main->cmdSaveClick();
        QCOMPARE(ReadAll(File("old.txt")), QByteArray("new\r\n"));
        QCOMPARE(fixture->boxes.shown.size(), size_t(2));
        QCOMPARE(fixture->boxes.shown[0].flags & MB_TYPEMASK, MB_YESNO);
        QVERIFY(fixture->boxes.shown[0].text.find(File("old.txt").toStdString()) != std::string::npos);
        QCOMPARE(Entries(), QStringList{QStringLiteral("old.txt")});
    }

    void cancelledLossOfCharactersWritesNothing()
    {
        main->txtOutput->setPlainText(QStringLiteral("\u03a9 \U0001F600"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("omega.txt")};
        fixture->boxes.answers = {IDCANCEL};
        main->cmdSaveClick();
        QVERIFY(Entries().isEmpty());
        QCOMPARE(fixture->boxes.shown.size(), size_t(1));
        QCOMPARE(fixture->boxes.shown[0].flags & MB_TYPEMASK, MB_OKCANCEL);
        QVERIFY(fixture->boxes.shown[0].text.starts_with("2 characters"));
    }

    void linkIsWrittenThroughAndKept()
    {
        WriteAll(File("real.txt"), "old\r\n");
        QVERIFY(QFile::link(File("real.txt"), File("link.txt")));
        main->txtOutput->setPlainText(QStringLiteral("through"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("link.txt")};
        fixture->boxes.answers = {IDYES};
        main->cmdSaveClick();
        QVERIFY(QFileInfo(File("link.txt")).isSymLink());
        QCOMPARE(ReadAll(File("real.txt")), QByteArray("through\r\n"));
    }

    void failedWriteLeavesNoFileAndShowsTheError()
    {
        main->txtOutput->setPlainText(QStringLiteral("a\nb"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("full.txt")};
        FileFaults::FailNth(FileOp::Write, 1, ERROR_DISK_FULL);
        main->cmdSaveClick();
        QVERIFY(Entries().isEmpty());
        QCOMPARE(fixture->boxes.shown.size(), size_t(1));
        QCOMPARE(fixture->boxes.shown[0].text, "Cannot create file " + File("full.txt").toStdString());
        QCOMPARE(fixture->boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
    }

    void failedSaveKeepsTheOldFile()
    {
        WriteAll(File("keep.txt"), "kept\r\n");
        main->txtOutput->setPlainText(QStringLiteral("lost"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("keep.txt")};
        fixture->boxes.answers = {IDYES};
        FileFaults::FailNth(FileOp::Rename, 1, ERROR_ACCESS_DENIED);
        main->cmdSaveClick();
        QCOMPARE(ReadAll(File("keep.txt")), QByteArray("kept\r\n"));
        QCOMPARE(Entries(), QStringList{QStringLiteral("keep.txt")});
        QCOMPARE(fixture->boxes.shown.size(), size_t(2));
    }

    void folderThatDoesNotExistIsReported()
    {
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("missing/x.txt")};
        main->cmdSaveClick();
        QCOMPARE(fixture->boxes.shown.size(), size_t(1));
        QCOMPARE(fixture->boxes.shown[0].text, "Cannot create file " + File("missing/x.txt").toStdString());
    }

    void nothingWithoutAFocusedPaneWithText()
    {
        main->ShowSystemMessage(2);
        main->txtOutput->setPlainText(QStringLiteral("x"));
        FocusControl(main->ListView1);
        main->cmdSaveClick();
        main->txtOutput->clear();
        FocusControl(main->txtOutput);
        main->cmdSaveClick();
        QVERIFY(dialog->offered.empty());
        QVERIFY(fixture->boxes.shown.empty());
    }

    void f2SavesTheFocusedPane()
    {
        main->txtOutput->setPlainText(QStringLiteral("by key"));
        FocusControl(main->txtOutput);
        dialog->answers = {File("key.txt")};
        QTest::keyClick(main->txtOutput, Qt::Key_F2);
        QCOMPARE(ReadAll(File("key.txt")), QByteArray("by key\r\n"));
    }
};

QTEST_MAIN(SaveCommand)
#include "tst_save.moc"
