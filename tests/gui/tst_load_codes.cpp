// Load: the refusals that send the user to the settings, one box for each
// header that cannot be read, and the counts in the status bar.
#include "support/CatalogueFixture.h"
#include "output/LoadFailureMessage.h"
#include "platform/win32.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/TStatusBar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const TwoCodes =
    "// codes\r\n#define ERROR_SUCCESS 0L\r\n#define E_UNEXPECTED _HRESULT_TYPEDEF_(0x8000FFFFL)\r\n";
const char* const ThreeCodes = "#define ERROR_A 1\r\n#define ERROR_B 2\r\n#define ERROR_C 3\r\n";

// Records, for each box, whether the hourglass was showing over it.
class CursorAtBoxes final : public MessageBoxService {
public:
    std::vector<bool> hourglass;
    int Show(QWidget*, const std::string&, const std::string&, UINT) override
    {
        hourglass.push_back(QApplication::overrideCursor() != nullptr);
        return IDOK;
    }
};

} // namespace

class LoadHeaders : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    std::string Write(const char* name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path.toStdString();
    }

    static QString Panel(TfrmMain& main, int index) { return main.StatusBar1->PanelText(index); }

    static void CompareRefusal(CatalogueFixture& fixture, const char* text, const char* caption)
    {
        TfrmMain& main = fixture.Window();
        main.Codes->SetRows(CodeRows(3));
        main.StatusBar1->SetPanelText(2, QStringLiteral("5"));
        main.cmdLoadClick();
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, std::string(text));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string(caption));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_ICONEXCLAMATION);
        QCOMPARE(fixture.settingsDialog.calls, (std::vector<std::string>{"first page", "modal"}));
        QCOMPARE(main.Codes->Count(), 0);
        QCOMPARE(Panel(main, 2), QStringLiteral("5"));
        QVERIFY(!main.cmdFind->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

private slots:
    void initTestCase() { QVERIFY(folder.isValid()); }

    void noSelectedHeaderOpensTheSettings()
    {
        CatalogueFixture fixture;
        fixture.CreateShownWithFind();
        fixture.SetHeaders({{Write("a.h", TwoCodes), false}});
        fixture.SetPrefixes({{"ERROR_", true}});
        CompareRefusal(fixture, "Your must select headers to load. Use \"Options\" (F7).", "No headers to load");
    }

    void noSelectedPrefixOpensTheSettings()
    {
        CatalogueFixture fixture;
        fixture.CreateShownWithFind();
        fixture.SetHeaders({{Write("a.h", TwoCodes), true}});
        fixture.SetPrefixes({});
        CompareRefusal(fixture, "Your must select prefixes to load. Use \"Options\" (F7)", "No prefixes to load");
    }

    void missingHeaderIsReportedAndTheOtherLoaded()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        const std::string missing = folder.filePath(QStringLiteral("missing.h")).toStdString();
        fixture.SetHeaders({{missing, true}, {Write("b.h", ThreeCodes), true}, {Write("c.h", TwoCodes), false}});
        fixture.SetPrefixes({{"ERROR_", true}, {"E_", true}});
        main.cmdLoadClick();
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, "Header file not found : \"" + missing + "\". Check settings (F7)\n"
                                                  + SystemReason(ERROR_FILE_NOT_FOUND));
        QCOMPARE(fixture.boxes.shown[0].caption, std::string(DefaultMessageBoxCaption));
        QCOMPARE(fixture.boxes.shown[0].flags, MB_ICONEXCLAMATION);
        QCOMPARE(Panel(main, 2), QStringLiteral("1"));
        QCOMPARE(Panel(main, 4), QStringLiteral("3"));
        QVERIFY(main.cmdFind->isEnabled());
        QVERIFY(fixture.settingsDialog.calls.empty());
    }

    void folderCountsAsMissing()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        fixture.SetHeaders({{folder.path().toStdString(), true}});
        fixture.SetPrefixes({{"ERROR_", true}});
        main.cmdLoadClick();
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fixture.boxes.shown[0].text, "Header file not found : \"" + folder.path().toStdString()
                                                  + "\". Check settings (F7)\n" + SystemReason(ERROR_ACCESS_DENIED));
        QCOMPARE(Panel(main, 2), QStringLiteral("0"));
    }

    void unreadableHeadersGiveOneBoxEach()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        const std::string binary = Write("binary.h", QByteArray("\x01#define ERROR_X 5\r\n"));
        const std::string empty = Write("empty.h", QByteArray());
        fixture.SetHeaders({{binary, true}, {Write("b.h", ThreeCodes), true}, {empty, true}});
        fixture.SetPrefixes({{"ERROR_", true}});
        main.cmdLoadClick();
        QCOMPARE(fixture.boxes.shown.size(), std::size_t{2});
        QCOMPARE(fixture.boxes.shown[0].text,
                 "Unable to load header file : \"" + binary + "\"\n" + SystemReason(ERROR_INVALID_DATA));
        QCOMPARE(fixture.boxes.shown[1].text,
                 "Unable to load header file : \"" + empty + "\"\n" + SystemReason(ERROR_INVALID_DATA));
        QCOMPARE(fixture.boxes.shown[1].caption, std::string(DefaultMessageBoxCaption));
        QCOMPARE(Panel(main, 2), QStringLiteral("1"));
        QCOMPARE(Panel(main, 4), QStringLiteral("3"));
    }

    void numberingStartsAgainForEachHeaderAndReloadReplacesTheRows()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        const std::string first = Write("first.h", ThreeCodes);
        fixture.SetHeaders({{first, true}, {Write("second.h", TwoCodes), true}});
        fixture.SetPrefixes({{"error_", true}, {"E_", true}});
        main.cmdLoadClick();
        main.cmdLoadClick();
        QCOMPARE(main.Codes->Count(), 5);
        QCOMPARE(Panel(main, 2), QStringLiteral("2"));
        QCOMPARE(Panel(main, 4), QStringLiteral("5"));
        const QStringList numbers{"1", "2", "3", "1", "2"};
        for (int row = 0; row < 5; ++row)
            QCOMPARE(main.Codes->index(row, 4).data().toString(), numbers[row]);
        QCOMPARE(main.Codes->index(3, 5).data().toString(),
                 QString::fromStdString(folder.filePath(QStringLiteral("second.h")).toStdString()));
        QCOMPARE(main.Codes->index(4, 0).data().toString(), QStringLiteral("E_UNEXPECTED"));
        QCOMPARE(main.Codes->Row(4).ImageIndex, 2);
        QCOMPARE(main.Codes->index(0, 6).data().toString(), QStringLiteral("1"));
        QCOMPARE(main.Codes->Row(0).Header(), first);
    }

    void hourglassNeverStaysOverABox()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        CursorAtBoxes boxes;
        ScopedSeam<MessageBoxService> seam(boxes);
        fixture.SetHeaders({{"/nonexistent/a.h", true}, {Write("b.h", ThreeCodes), true}});
        fixture.SetPrefixes({{"ERROR_", true}});
        main.cmdLoadClick();
        QCOMPARE(boxes.hourglass, std::vector<bool>{false});
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(LoadHeaders)
#include "tst_load_codes.moc"
