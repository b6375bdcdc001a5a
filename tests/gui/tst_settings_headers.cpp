// The header list of the settings dialog: adding headers from the file
// dialog, removing them, and showing a header's full path.
#include "support/SettingsDialogFixture.h"
#include "widgets/Controls.h"
#include "dialogs/TfrmSettingsListBox.h"
#include "dialogs/TfrmSettingsText.h"

#include <QFile>
#include <QTest>

namespace {

QStringList HeaderPaths()
{
    QStringList paths;
    const TStringsStorage& headers = Settings->ErrorsOptions.Headers;
    for (LONG i = 0; i < headers.Count(); ++i)
        paths.append(QFile::decodeName(headers.Text(i)));
    return paths;
}

} // namespace

class HeaderNames : public QObject {
    Q_OBJECT

private slots:
    void theNameIsWhatFollowsTheLastSlash()
    {
        QCOMPARE(FileNamePart("/usr/share/mingw-w64/include/winerror.h"), std::string("winerror.h"));
        QCOMPARE(FileNamePart("winerror.h"), std::string("winerror.h"));
        QCOMPARE(FileNamePart("/folder/"), std::string());
        QCOMPARE(FileNamePart("a\\b.h"), std::string("a\\b.h"));
    }

    void theFileDialogOffersThePatternsOfEachFilterAndAllFilesWithoutADotToo()
    {
        QCOMPARE(QtNameFilters(QStringLiteral("C/C++ Header Files (*.h, *hpp)|*.h;*hpp|All files (*.*)|*.*")),
                 QStringList({"C/C++ Header Files (*.h, *hpp) (*.h *hpp)", "All files (*.*) (*)"}));
    }
};

class HeaderAdding : public QObject {
    Q_OBJECT

private slots:
    void aChosenHeaderIsListedByItsNameAloneAndUnselected()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/usr/include/x/winerror.h"), QStringLiteral("/opt/sdk/ntstatus.h")};
        dialog.cmdAddHeaderClick();

        QCOMPARE(fixture.files.filters.size(), std::size_t(1));
        QCOMPARE(fixture.files.filters[0], QStringLiteral("C/C++ Header Files (*.h, *hpp)|*.h;*hpp|H File (*.h)|*.h|"
                                                          "HPP File  (*.hpp)|*.hpp|All files (*.*)|*.*"));
        QCOMPARE(ItemTexts(*dialog.lbHeaders), QStringList({"winerror.h", "winerror.h", "ntstatus.h"}));
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h", "/usr/include/x/winerror.h", "/opt/sdk/ntstatus.h"}));
        QVERIFY(SelectedItems(*dialog.lbHeaders).isEmpty());
        QCOMPARE(fixture.Lists().HeaderSelected[1], BYTE(0));
        QCOMPARE(fixture.Lists().HeaderSelected[2], BYTE(0));
    }

    void aHeaderListedAlreadyIsSkippedWithoutAWord()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/inc/a.h")};
        dialog.cmdAddHeaderClick();
        fixture.files.chosen = {QStringLiteral("/inc/a.h"), QStringLiteral("/inc/b.h")};
        dialog.cmdAddHeaderClick();
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h", "/inc/a.h", "/inc/b.h"}));
        QCOMPARE(dialog.lbHeaders->count(), 3);
        QVERIFY(fixture.main.boxes.shown.empty());
    }

    void anotherLetterCaseOfTheSamePathIsAdded()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/inc/WinError.h")};
        dialog.cmdAddHeaderClick();
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h", "/inc/WinError.h"}));
        QCOMPARE(ItemTexts(*dialog.lbHeaders), QStringList({"winerror.h", "WinError.h"}));
    }

    void aPathOutsideTheProgramsCodePageIsKeptAsTheFileSystemHasIt()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        const QString path = QString::fromUtf8("/inc/\xd0\xba\xd0\xbe\xd0\xb4/\xe5\xad\x97.h");
        fixture.files.chosen = {path};
        dialog.cmdAddHeaderClick();
        QCOMPARE(QByteArray(fixture.Lists().Headers.Text(1)), QFile::encodeName(path));
        QCOMPARE(dialog.lbHeaders->item(1)->text(), QString::fromUtf8("\xe5\xad\x97.h"));
    }

    void aCancelChangesNothing()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.cmdAddHeaderClick();
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h"}));
        QCOMPARE(dialog.lbHeaders->count(), 1);
    }
};

class HeaderDeleting : public QObject {
    Q_OBJECT

private slots:
    void selectedHeadersGoAfterAPluralQuestion()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/a.h"), QStringLiteral("/b.h")};
        dialog.cmdAddHeaderClick();
        dialog.lbHeaders->SetSelected(0, true);
        dialog.lbHeaders->SetSelected(2, true);
        fixture.main.boxes.answers = {IDYES};
        dialog.cmdDeleteHeaderClick();

        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("Action : Delete selected headers"));
        QCOMPARE(fixture.main.boxes.shown[0].caption, std::string("Confirm"));
        QCOMPARE(fixture.main.boxes.shown[0].flags, MB_YESNO | MB_ICONQUESTION);
        QCOMPARE(HeaderPaths(), QStringList({"/a.h"}));
        QCOMPARE(ItemTexts(*dialog.lbHeaders), QStringList({"a.h"}));
        QVERIFY(!dialog.cmdDeleteHeader->isEnabled());
    }

    void oneHeaderIsAskedInTheSingularAndNoKeepsIt()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.lbHeaders->SetSelected(0, true);
        fixture.main.boxes.answers = {IDNO};
        dialog.cmdDeleteHeaderClick();
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("Action : Delete selected header"));
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h"}));
        QCOMPARE(dialog.lbHeaders->count(), 1);
    }

    void withoutASelectionNothingIsAsked()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.cmdDeleteHeaderClick();
        QVERIFY(fixture.main.boxes.shown.empty());
        QCOMPARE(dialog.lbHeaders->count(), 1);
    }
};

class HeaderFullPath : public QObject {
    Q_OBJECT

private slots:
    void eachSelectedHeaderShowsItsPathReadOnlyInTurn()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/inc/a.h"), QStringLiteral("/inc/b.h")};
        dialog.cmdAddHeaderClick();
        dialog.lbHeaders->SetSelected(0, true);
        dialog.lbHeaders->SetSelected(2, true);
        dialog.lbHeadersDblClick();

        QCOMPARE(fixture.texts.shown.size(), std::size_t(2));
        QCOMPARE(fixture.texts.shown[0].caption, QStringLiteral("Full path"));
        QVERIFY(!fixture.texts.shown[0].editable);
        QCOMPARE(fixture.texts.shown[0].text, QStringLiteral("winerror.h"));
        QCOMPARE(fixture.texts.shown[1].text, QStringLiteral("/inc/b.h"));
        QCOMPARE(HeaderPaths(), QStringList({"winerror.h", "/inc/a.h", "/inc/b.h"}));
    }

    void noWindowIsAFatalErrorAndNoFurtherPathIsShown()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        fixture.files.chosen = {QStringLiteral("/inc/a.h")};
        dialog.cmdAddHeaderClick();
        dialog.lbHeaders->selectAll();
        fixture.texts.windowsLeft = 1;
        dialog.lbHeadersDblClick();
        QCOMPARE(fixture.texts.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown.size(), std::size_t(1));
        QCOMPARE(fixture.main.boxes.shown[0].text, std::string("FATAL ERROR : Cannot create new window"));
        QCOMPARE(fixture.main.boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
    }

    void aDoubleClickOnAHeaderShowsIt()
    {
        SettingsDialogFixture fixture;
        TfrmSettings& dialog = fixture.Create();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect first = dialog.lbHeaders->visualItemRect(dialog.lbHeaders->item(0));
        QTest::mouseClick(dialog.lbHeaders->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(dialog.lbHeaders->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(fixture.texts.shown.size(), std::size_t(1));
        QCOMPARE(fixture.texts.shown[0].text, QStringLiteral("winerror.h"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    HeaderNames names;
    failures += QTest::qExec(&names, argc, argv);
    HeaderAdding adding;
    failures += QTest::qExec(&adding, argc, argv);
    HeaderDeleting deleting;
    failures += QTest::qExec(&deleting, argc, argv);
    HeaderFullPath fullPath;
    failures += QTest::qExec(&fullPath, argc, argv);
    return failures;
}

#include "tst_settings_headers.moc"
