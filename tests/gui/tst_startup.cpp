// The run from start to end: settings loaded beside the executable, the
// windows, the loop, and the settings saved when it ends.
#include "support/FakeSeams.h"
#include "support/ProgramRun.h"
#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "output/SystemMessageText.h"
#include "platform/win32.h"
#include "settings/TSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray DefaultSettingsBytes(const QString& folder)
{
    const QString path = folder + QStringLiteral("/defaults.dat");
    TSettings defaults(nullptr);
    if (!defaults.Save(path.toLocal8Bit().constData()))
        return {};
    return FileBytes(path);
}

} // namespace

class StartupAndShutdown : public QObject {
    Q_OBJECT

private:
    FakeMessageBoxes boxes;
    FakeTray tray;
    FakeBeep beep;
    ScopedSeam<MessageBoxService> boxSeam{boxes};
    ScopedSeam<TrayShell> traySeam{tray};
    ScopedSeam<SystemBeep> beepSeam{beep};
    QTemporaryDir folder;
    QString settingsPath;

    // Runs the program from an executable in the test's folder, unless
    // options name another.
    int Run(const std::function<void()>& inLoop = {}, StartupOptions options = {})
    {
        if (!options.executablePath)
            options.executablePath = (folder.path() + QStringLiteral("/vantrel")).toStdString();
        return RunProgram(options, inLoop);
    }

private slots:
    void init()
    {
        boxes.shown.clear();
        tray.calls.clear();
        tray.answer = true;
        QFile::remove(settingsPath);
    }

    void initTestCase()
    {
        QVERIFY(folder.isValid());
        settingsPath = folder.path() + QStringLiteral("/vantrel.dat");
    }

    void unreadableSettingsAreReportedAtStartAndKeptAsBad_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("code");
        QByteArray laterVersion = DefaultSettingsBytes(folder.path());
        laterVersion[92] = 2; // the headers block's format version
        QTest::newRow("damaged") << QByteArray("not a settings file") << int(ERROR_FILE_CORRUPT);
        QTest::newRow("later version") << laterVersion << int(ERROR_REVISION_MISMATCH);
        QTest::newRow("missing") << QByteArray() << 0;
    }

    void unreadableSettingsAreReportedAtStartAndKeptAsBad()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, code);
        const QString bad = settingsPath + QStringLiteral(".bad");
        QFile::remove(bad);
        if (!stored.isNull()) {
            QFile file(settingsPath);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
            QFile older(bad);
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        }

        bool shown = false;
        QCOMPARE(Run([&] { shown = frmMain->isVisible(); }), 0);

        QVERIFY(shown);
        QCOMPARE(FileBytes(settingsPath), DefaultSettingsBytes(folder.path()));
        QVERIFY(Settings == nullptr);
        QVERIFY(frmMain == nullptr);
        QCOMPARE(QString::fromLatin1(AppFolder.c_str()), folder.path());
        if (code == 0) {
            QVERIFY(boxes.shown.empty());
            QVERIFY(!QFile::exists(bad));
            return;
        }
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const QString text = QString::fromStdString(boxes.shown[0].text);
        const QString reason = QString::fromStdString(SystemMessageText(code)).trimmed();
        QVERIFY2(text.contains(settingsPath) && text.contains(reason), qPrintable(text));
        QCOMPARE(boxes.shown[0].flags & MB_ICONMASK, MB_ICONEXCLAMATION);
        QCOMPARE(FileBytes(bad), stored);
    }

    void changesOfTheRunAreInTheFileAfterwards()
    {
        QCOMPARE(Run([] { Settings->GeneralOptions.EscapeAction = 2; }), 0);
        TSettings saved(settingsPath.toLocal8Bit().constData());
        QCOMPARE(saved.GeneralOptions.EscapeAction, 2);
    }

    void exceptionWhileCreatingAWindowIsShownAndTheSettingsAreSaved()
    {
        bool loopRan = false;
        StartupOptions options;
        options.beforeWindowCreated = [](const char* window) {
            if (qstrcmp(window, "frmMain") == 0)
                throw std::runtime_error("FATAL ERROR : Cannot create new window");
        };
        QCOMPARE(Run([&] { loopRan = true; }, options), 0);
        QVERIFY(!loopRan);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].text, std::string("FATAL ERROR : Cannot create new window"));
        QCOMPARE(boxes.shown[0].flags & MB_ICONMASK, MB_ICONERROR);
        QVERIFY(QFile::exists(settingsPath));
        QVERIFY(Settings == nullptr);
        QTest::qWait(0);
    }

    void settingsThatCannotBeSavedAreReportedOnceWithTheFileAndTheReason()
    {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("vantrel.dat")));
        const int result = Run();
        QDir(settingsPath).removeRecursively();

        QCOMPARE(result, 0);
        // The folder is named at start as the file that cannot be read, and
        // once at exit as the one the settings could not be saved to.
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        const QString text = QString::fromStdString(boxes.shown[1].text);
        QVERIFY2(text.contains(settingsPath) && text.contains(QStringLiteral("saved")), qPrintable(text));
        // Moving the new file over a folder is refused: the system's text for
        // that, or its number where the system has no text.
        const QString reason = QString::fromStdString(SystemMessageText(ERROR_ACCESS_DENIED)).trimmed();
        QVERIFY2(text.contains(reason.isEmpty() ? QStringLiteral("Error 5.") : reason), qPrintable(text));
        QCOMPARE(boxes.shown[1].flags & MB_ICONMASK, MB_ICONEXCLAMATION);
    }

    void hiddenAtStartShowsNoWindowButTheTrayIcon()
    {
        TSettings hidden(nullptr);
        hidden.GeneralOptions.ShowAtStart = 0;
        QVERIFY(hidden.Save(settingsPath.toLocal8Bit().constData()));

        bool shown = true;
        bool iconUp = false;
        QCOMPARE(Run([&] {
                     shown = frmMain->isVisible();
                     iconUp = tray.IconShown();
                 }),
                 0);
        QVERIFY(!shown);
        QVERIFY(iconUp);
        QCOMPARE(tray.calls.front(), std::string("add"));
        QCOMPARE(tray.calls.back(), std::string("delete"));
    }

    void hiddenAtStartWithoutANotificationAreaShowsTheWindowMinimized()
    {
        TSettings hidden(nullptr);
        hidden.GeneralOptions.ShowAtStart = 0;
        QVERIFY(hidden.Save(settingsPath.toLocal8Bit().constData()));
        tray.answer = false;

        bool shown = false;
        bool minimized = false;
        QCOMPARE(Run([&] {
                     shown = frmMain->isVisible();
                     minimized = frmMain->isMinimized();
                 }),
                 0);
        QVERIFY(shown);
        QVERIFY(minimized);
    }

    void settingsLiveBesideTheExecutableWhateverTheCurrentFolder()
    {
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const int result = Run();
        QDir::setCurrent(previous);
        QCOMPARE(result, 0);
        QVERIFY(QFile::exists(settingsPath));
        QVERIFY(!QFile::exists(elsewhere.path() + QStringLiteral("/vantrel.dat")));
    }

    void pathWithoutAFolderEndsAfterTheBox()
    {
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        StartupOptions options;
        options.executablePath = "vantrel";
        bool loopRan = false;
        const int result = Run([&] { loopRan = true; }, options);
        QDir::setCurrent(previous);

        QCOMPARE(result, 0);
        QVERIFY(!loopRan);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].text, std::string("Cannot get app folder."));
        QCOMPARE(boxes.shown[0].caption, std::string("Error"));
        QCOMPARE(boxes.shown[0].flags, MB_ICONERROR);
        QVERIFY(QDir(elsewhere.path()).isEmpty());
        QVERIFY(Settings == nullptr);
        QTest::qWait(0);
    }
};

QTEST_MAIN(StartupAndShutdown)
#include "tst_startup.moc"
