// The settings dialog over a whole run: made at start-up after the search
// window, and what it changed is in vantrel.dat after the program ends.
#include "support/FakeSeams.h"
#include "support/MainWindowFixture.h"
#include "support/ProgramRun.h"
#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "dialogs/TfrmSettings.h"
#include "dialogs/TfrmSettingsListBox.h"
#include "settings/TSettings.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class SettingsOverARun : public QObject {
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

    // Runs the program from an executable in the test's folder.
    int Run(const std::function<void()>& inLoop, StartupOptions options = {})
    {
        options.executablePath = (folder.path() + QStringLiteral("/vantrel")).toStdString();
        return RunProgram(options, inLoop, [] {
            if (frmSettings != nullptr && frmSettings->isVisible())
                frmSettings->close();
        });
    }

    // Opens the dialog with the Settings command, runs inside while it is
    // up, and presses key in the focused control to close it.
    static void InDialog(const std::function<void()>& inside, Qt::Key key)
    {
        QTimer::singleShot(0, [inside, key] {
            if (!QTest::qWaitForWindowActive(frmSettings))
                qWarning("the settings dialog did not become active");
            inside();
            QTest::keyClick(QApplication::focusWidget(), key);
        });
        frmMain->cmdOptionsClick();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        settingsPath = folder.path() + QStringLiteral("/vantrel.dat");
    }

    void init() { QFile::remove(settingsPath); }

    void theDialogIsMadeAfterTheSearchWindow()
    {
        QStringList made;
        StartupOptions options;
        options.beforeWindowCreated = [&made](const char* window) { made.append(QString::fromLatin1(window)); };
        bool present = false;
        QCOMPARE(Run([&] { present = frmSettings != nullptr && !frmSettings->isVisible(); }, options), 0);
        QCOMPARE(made, QStringList({"frmMain", "frmFind", "frmSettings"}));
        QVERIFY(present);
        QVERIFY(frmSettings == nullptr);
    }

    void selectionsMadeInTheDialogAreInTheFileAfterTheRun_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void selectionsMadeInTheDialogAreInTheFileAfterTheRun()
    {
        QFETCH(int, key);
        QCOMPARE(Run([key] {
                     InDialog(
                         [] {
                             frmSettings->lbHeaders->SetSelected(0, true);
                             frmSettings->lbPrefix->SetSelected(0, true);
                             frmSettings->lbPrefix->SetSelected(2, true);
                             FocusControl(frmSettings->lbPrefix);
                         },
                         static_cast<Qt::Key>(key));
                 }),
                 0);
        TSettings saved(settingsPath.toLocal8Bit().constData());
        QCOMPARE(saved.ErrorsOptions.Headers.Count(), 1);
        QCOMPARE(saved.ErrorsOptions.HeaderSelected[0], BYTE(1));
        QCOMPARE(saved.ErrorsOptions.Prefixes.Count(), 34);
        QCOMPARE(saved.ErrorsOptions.PrefixSelected[0], BYTE(1));
        QCOMPARE(saved.ErrorsOptions.PrefixSelected[1], BYTE(0));
        QCOMPARE(saved.ErrorsOptions.PrefixSelected[2], BYTE(1));
    }

    void anUnknownEscapeActionShowsNothingAndIsSavedAsZero()
    {
        TSettings stored(nullptr);
        stored.GeneralOptions.EscapeAction = 5;
        QVERIFY(stored.Save(settingsPath.toLocal8Bit().constData()));
        bool nothingChecked = false;
        QCOMPARE(Run([&] { nothingChecked = frmSettings->rbEscapeNothings->isChecked(); }), 0);
        QVERIFY(nothingChecked);
        TSettings saved(settingsPath.toLocal8Bit().constData());
        QCOMPARE(saved.GeneralOptions.EscapeAction, 0);
    }
};

QTEST_MAIN(SettingsOverARun)
#include "tst_settings_startup.moc"
