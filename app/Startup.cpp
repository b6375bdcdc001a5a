#include "app/Startup.h"

#include "app/AppObject.h"
#include "app/SettingsFileMessages.h"
#include "app/TfrmMain.h"
#include "dialogs/TfrmFind.h"
#include "dialogs/TfrmSettings.h"
#include "platform/win32.h"
#include "settings/SettingsLocation.h"
#include "settings/TSettings.h"
#include "widgets/seams/MessageBoxService.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

TMyString AppFolder;

namespace {

constexpr const char* FolderSeparator = "/";
constexpr DWORD PathBufferSize = 4096;

// Decided once per run, beside the executable or in the user's folder.
std::string settingsFile;

std::string ExecutablePath(const StartupOptions& options)
{
    if (options.executablePath)
        return *options.executablePath;
    char path[PathBufferSize];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

// Tests run inside an application object of their own.
std::unique_ptr<TApplication> EnsureApplication(int& argc, char** argv)
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    // The windows are laid out in pixels and keep their designed sizes on
    // every screen.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    return std::make_unique<TApplication>(argc, argv);
}

// The windows that live for the whole run, destroyed when the run ends:
// after the settings are saved and freed, so they read none of them then.
struct RunWindows {
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmFind> find;
    std::unique_ptr<TfrmSettings> settings;

    ~RunWindows()
    {
        settings.reset();
        frmSettings = nullptr;
        find.reset();
        frmFind = nullptr;
        main.reset();
        frmMain = nullptr;
    }
};

// Creates the windows in their order; the first one is the main window.
void CreateWindows(const StartupOptions& options, RunWindows& windows)
{
    auto announce = [&options](const char* window) {
        if (options.beforeWindowCreated)
            options.beforeWindowCreated(window);
    };
    announce("frmMain");
    windows.main = std::make_unique<TfrmMain>();
    frmMain = windows.main.get();
    announce("frmFind");
    windows.find = CreateFindWindow(*windows.main);
    frmFind = windows.find.get();
    announce("frmSettings");
    windows.settings = std::make_unique<TfrmSettings>(*windows.main);
    frmSettings = windows.settings.get();
    windows.main->SetSettingsDialog(frmSettings);
}

// Set while the loop runs. Qt ends the process with exit() from inside the
// loop when the connection to the display is lost, and the run never comes
// back to save the settings then.
bool loopRunning = false;

// Saves at such an exit, without a word: no window can show one any more.
void SaveAtExitFromLoop()
{
    if (loopRunning && Settings != nullptr)
        Settings->Save(settingsFile.c_str());
}

// While the loop runs, the settings are saved also when the process ends
// from inside it, and when a session manager asks for the data to be kept
// before it ends the session: the end may still be cancelled then, so the
// program goes on; the session's end itself closes the windows, and the run
// ends as usual.
class LoopSaves {
public:
    LoopSaves()
    {
        [[maybe_unused]] static const int exitHook = std::atexit(SaveAtExitFromLoop);
        committing = QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [] {
            if (Settings != nullptr)
                Settings->Save(settingsFile.c_str());
        });
        loopRunning = true;
    }
    ~LoopSaves()
    {
        loopRunning = false;
        QObject::disconnect(committing);
    }
    LoopSaves(const LoopSaves&) = delete;
    LoopSaves& operator=(const LoopSaves&) = delete;

private:
    QMetaObject::Connection committing;
};

// A file that is there but could not be read is not replaced by the defaults
// without a word.
void ReportUnreadableSettings()
{
    if (const DWORD code = Settings->UnreadableCode(); code != 0)
        MessageBoxA(nullptr, SettingsNotReadText(settingsFile, code).c_str(), nullptr, MB_ICONEXCLAMATION);
}

// Settings that cannot be kept are at least not lost without a word.
void SaveAndDestroySettings()
{
    if (Settings == nullptr)
        return;
    if (!Settings->Save(settingsFile.c_str())) {
        const DWORD code = GetLastError();
        MessageBoxA(nullptr, SettingsNotSavedText(settingsFile, code).c_str(), nullptr, MB_ICONEXCLAMATION);
    }
    delete Settings;
    Settings = nullptr;
}

} // namespace

int RunVantrel(int& argc, char** argv, const StartupOptions& options)
{
    std::unique_ptr<TApplication> application;
    RunWindows windows;
    try {
        AppFolder = ExecutablePath(options).c_str();
        const DWORD separator = AppFolder.FindLastOf(FolderSeparator);
        if (AppFolder.Error() != 0) {
            application = EnsureApplication(argc, argv);
            MessageBoxA(nullptr, "Cannot get app folder.", nullptr, MB_ICONERROR);
            return 0;
        }
        AppFolder.Truncate(separator);
        settingsFile = SettingsFilePath(AppFolder.c_str());
        Settings = new TSettings(settingsFile.c_str());
        application = EnsureApplication(argc, argv);
        ReportUnreadableSettings();
        SetShowMainForm(Settings->GeneralOptions.ShowAtStart != 0);
        CreateWindows(options, windows);
        const LoopSaves saves;
        RunMessageLoop(*windows.main);
    } catch (const std::exception& error) {
        if (!application)
            application = EnsureApplication(argc, argv);
        ShowException(error);
    }
    SaveAndDestroySettings();
    return 0;
}
