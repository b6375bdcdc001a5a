#include "app/TfrmMain.h"

#include "dialogs/SettingsDialogLink.h"
#include "settings/TSettings.h"
#include "widgets/AnsiQString.h"
#include "widgets/ApplicationHint.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/HintText.h"
#include "widgets/KeyPreview.h"
#include "widgets/MenuShortcuts.h"
#include "widgets/seams/AboutBoxService.h"
#include "widgets/seams/SystemBeep.h"
#include "widgets/TListView.h"
#include "widgets/TSplitter.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstring>

TfrmMain* frmMain = nullptr;

namespace {

constexpr const char* AboutText = "Windows error codes at hand\r\nWritten by the Vantrel developers";

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent)
{
    BuildLayout();
    BindCommands();
    BindLastErrorPanel();
    BindSaveAndPrint();
    BindOutputAndActions();
    const TSettings::tagGeneralOptions& options = Settings->GeneralOptions;

    tray = std::make_unique<TrayIconState>(Seam<TrayShell>::Get(), RunTrayImages(), ToAnsi(windowTitle()),
                                           [this](TrayMouse event) { WMTrayNotify(event); });
    savedBeep = Seam<SystemBeep>::Get().Current();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &TfrmMain::ApplicationStateChanged);
    SetShowHint(options.PopupHints != 0);
    SetFlatButtons(options.FlatButtons != 0);
    Splitter1->SetMinSize(DesignedLeftPaneWidth);

    keys = new KeyPreview(this, [this](QWidget* window, QKeyCombination key) { return PreviewKey(window, key); });
    keys->Watch(this);

    // FormCreate
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ActiveControlChanged(now); });
    if (options.BottomHints != 0)
        ApplicationHint::Instance().SetHandler(this, [this] { ShowMainHint(); });
    if (options.ShowAtStart == 0 || options.UseTray != 0)
        AddTrayIcon(options.UseTray != 0);
    WatchTrayHost();
}

TfrmMain::~TfrmMain()
{
    // FormDestroy, after start-up has freed Settings.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    Seam<SystemBeep>::Get().Set(savedBeep);
    RemoveTrayIcon();
}

void TfrmMain::BindCommands()
{
    auto bind = [this](std::initializer_list<QAction*> items, TSpeedButton* button, void (TfrmMain::*handler)()) {
        for (QAction* item : items)
            connect(item, &QAction::triggered, this, handler);
        if (button != nullptr)
            connect(button, &QToolButton::clicked, this, handler);
    };
    bind({mnuLoad, pmnuLoadReload}, cmdLoad, &TfrmMain::cmdLoadClick);
    bind({mnuSave}, cmdSave, &TfrmMain::cmdSaveClick);
    bind({mnuPrint}, cmdPrint, &TfrmMain::cmdPrintClick);
    bind({mnuExit, TrayMenuClose}, nullptr, &TfrmMain::TrayMenuCloseClick);
    bind({mnuCopy, pmnuCCopy}, cmdCopy, &TfrmMain::cmdCopyClick);
    bind({mnuAction, pmnuCCopyToAct}, cmdAction, &TfrmMain::cmdActionClick);
    bind({mnuFind, pmnuCFind}, cmdFind, &TfrmMain::cmdFindClick);
    bind({mnuFindNext, pmnuCFindNext}, cmdFindNext, &TfrmMain::cmdFindNextClick);
    bind({mnuLookup}, cmdLookup, &TfrmMain::cmdLookupClick);
    bind({mnuMaximizeRestore}, nullptr, &TfrmMain::mnuMaximizeRestoreClick);
    bind({mnuSettings, pmnuSettings}, cmdOptions, &TfrmMain::cmdOptionsClick);
    bind({mnuCopySettings, pmnuCopySettings}, nullptr, &TfrmMain::mnuCopySettingsClick);
    bind({mnuAbout}, cmdAbout, &TfrmMain::cmdAboutClick);
    bind({}, cmdGetLastErrorManual, &TfrmMain::cmdGetLastErrorManualClick);
    bind({}, cmdCall, &TfrmMain::cmdCallClick);
    bind({pmnuAMake}, cmdActionMake, &TfrmMain::cmdActionMakeClick);
    bind({pmnuAClear}, cmdActionListClear, &TfrmMain::cmdActionListClearClick);
    bind({pmnuARemove}, cmdActionListDelete, &TfrmMain::cmdActionListDeleteClick);
    bind({pmnuCGotoCodes, pmnuAGotoDeclaration}, nullptr, &TfrmMain::ListViewDblClick);
    connect(ListView1, &QAbstractItemView::doubleClicked, this, &TfrmMain::ListViewDblClick);
    connect(lvAction, &QAbstractItemView::doubleClicked, this, &TfrmMain::ListViewDblClick);
    bind({pmnuAGotoCodes}, nullptr, &TfrmMain::pmnuAGotoCodesClick);
    bind({TrayMenuRestore}, nullptr, &TfrmMain::TrayMenuRestoreClick);

    connect(mnuFile, &QMenu::aboutToShow, this, &TfrmMain::OnControlChange);
    connect(ListView1, &TListView::Clicked, this, &TfrmMain::OnControlChange);
    connect(ListView1, &TListView::RightButtonPressed, this, &TfrmMain::OnControlChange);
    connect(txtOutput, &QPlainTextEdit::textChanged, this, &TfrmMain::OnControlChange);
    connect(pmnuCList, &QMenu::aboutToShow, this, &TfrmMain::pmnuCListPopup);
    for (TListView* list : {ListView1, lvAction})
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { ListViewColumnClick(list, column); });
}

void TfrmMain::OnControlChange()
{
    enabledCommands = EnabledCommands(CurrentWindowState());
    ApplyCommandState(Command::SaveMenu, {mnuSave});
    ApplyCommandState(Command::PrintMenu, {mnuPrint});
    ApplyCommandState(Command::Copy, {mnuCopy}, {cmdCopy});
    ApplyCommandState(Command::CopyToActionList, {mnuAction}, {cmdAction});
    ApplyCommandState(Command::Find, {mnuFind}, {cmdFind});
    ApplyCommandState(Command::FindNext, {mnuFindNext}, {cmdFindNext});
    ApplyCommandState(Command::ActionMake, {}, {cmdActionMake});
    ApplyCommandState(Command::ActionListClear, {}, {cmdActionListClear});
    ApplyCommandState(Command::ActionListDelete, {}, {cmdActionListDelete});
}

WindowState TfrmMain::CurrentWindowState() const
{
    WindowState state;
    const QWidget* focused = QApplication::focusWidget();
    if (focused == txtOutput)
        state.focused = FocusedPane::Output;
    else if (focused == Memo1)
        state.focused = FocusedPane::LastError;
    if (state.focused != FocusedPane::Other)
        state.focusedPaneEmpty = static_cast<const QPlainTextEdit*>(focused)->document()->isEmpty();
    state.codeRows = Codes->Count();
    state.codeSelected = ListView1->HasSelection();
    state.actionRows = Actions->Count();
    state.actionSelected = lvAction->HasSelection();
    return state;
}

void TfrmMain::ApplyCommandState(Command command, std::initializer_list<QAction*> items,
                                 std::initializer_list<TSpeedButton*> buttons)
{
    const bool enabled = enabledCommands.Has(command);
    for (QAction* item : items)
        item->setEnabled(enabled);
    for (TSpeedButton* button : buttons)
        button->setEnabled(enabled);
}

void TfrmMain::SetFlatButtons(bool flat)
{
    if (cmdAbout->Flat() != flat)
        SetWindowFlatButtons(*this, flat);
}

void TfrmMain::SetShowHint(bool show)
{
    SetWindowShowsHints(this, show);
}

void TfrmMain::ShowMainHint()
{
    StatusBar1->SetPanelText(0, LongHint(ApplicationHint::Instance().Hint()));
}

void TfrmMain::ShowOptionsHint()
{
    StatusBar1->SetPanelText(0, LongHint(ControlHint(cmdOptions)));
}

void TfrmMain::ClearMainHint()
{
    StatusBar1->SetPanelText(0, QString());
}

void TfrmMain::FormKeyPress(char key)
{
    if (key != EscapeKey)
        return;
    switch (Settings->GeneralOptions.EscapeAction) {
    case TSettings::EscapeMinimizes: SysCommandMinimize(); break;
    case TSettings::EscapeCloses: close(); break;
    default: break;
    }
}

bool TfrmMain::PreviewKey(QWidget* window, QKeyCombination key)
{
    if (RunMenuShortcut(*MainMenu1, key))
        return true;
    // The window sees the Escape character before its control, which
    // still receives it.
    if (window == this && key.key() == Qt::Key_Escape)
        FormKeyPress(EscapeKey);
    return false;
}

void TfrmMain::WatchShortcutsIn(QWidget* window)
{
    keys->Watch(window, [this] { return isEnabled() && QApplication::activeModalWidget() == nullptr; });
}

void TfrmMain::SetFindWindow(QWidget* window)
{
    findWindow = window;
}

void TfrmMain::mnuMaximizeRestoreClick()
{
    // A window minimized from the maximized state still carries the
    // maximized flag, and is maximized like any other minimized window.
    if (isMaximized() && !isMinimized())
        showNormal();
    else
        showMaximized();
}

void TfrmMain::cmdOptionsClick()
{
    if (settingsDialog == nullptr)
        return;
    ApplicationHint& hint = ApplicationHint::Instance();
    SettingsDialogLink* dialog = settingsDialog;
    if (Settings->GeneralOptions.BottomHints != 0)
        hint.SetHandler(this, [dialog] { dialog->ShowSettingsHint(); });
    dialog->ShowModal();
    if (Settings->GeneralOptions.BottomHints != 0)
        hint.SetHandler(this, [this] { ShowMainHint(); });
}

void TfrmMain::cmdAboutClick()
{
    if (!aboutTitleCopied) {
        // The title is the fixed product name; a longer caption is cut to
        // what the buffer holds.
        const std::string caption = ToAnsi(windowTitle());
        const std::size_t length = std::min(caption.size(), sizeof aboutTitle - 1);
        std::memcpy(aboutTitle, caption.data(), length);
        aboutTitle[length] = '\0';
        aboutTitleCopied = true;
    }
    Seam<AboutBoxService>::Get().Show(this, aboutTitle, AboutText, windowIcon());
}

void TfrmMain::TrayMenuCloseClick()
{
    close();
}

void TfrmMain::ActiveControlChanged(QWidget* now)
{
    if (now != nullptr)
        lastActiveWindow = now->window();
    OnControlChange();
}

void TfrmMain::ApplicationStateChanged(Qt::ApplicationState state)
{
    const bool nowActive = state == Qt::ApplicationActive;
    if (nowActive == active)
        return;
    active = nowActive;
    Seam<SystemBeep>::Get().Set(active ? 0 : savedBeep);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}
