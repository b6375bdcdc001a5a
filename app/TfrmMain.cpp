#include "app/TfrmMain.h"

#include "app/ApplicationHint.h"
#include "app/CodeListModel.h"
#include "app/Controls.h"
#include "app/HintText.h"
#include "app/KeyPreview.h"
#include "app/MenuShortcuts.h"
#include "app/SettingsDialogLink.h"
#include "app/TListView.h"
#include "app/TSplitter.h"
#include "app/TStatusBar.h"
#include "app/seams/AboutBoxService.h"
#include "app/seams/SystemBeep.h"
#include "platform/codepage.h"
#include "settings/TSettings.h"

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

constexpr char EscapeKey = 27;
constexpr LONG EscapeMinimizes = 1;
constexpr LONG EscapeCloses = 2;
constexpr const char* AboutText = "Windows error codes at hand\r\nWritten by the Vantrel developers";

std::string AnsiText(const QString& text)
{
    return Utf8ToAnsi1252(text.toStdString());
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent)
{
    BuildLayout();
    BindCommands();
    BindLastErrorPanel();
    BindSaveAndPrint();
    BindOutputAndActions();
    const TSettings::tagGeneralOptions& options = Settings->GeneralOptions;

    tray = std::make_unique<TrayIconState>(Seam<TrayShell>::Get(), RunTrayImages(), AnsiText(windowTitle()),
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
}

TfrmMain::~TfrmMain()
{
    // FormDestroy; Settings may already be gone.
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
    const QWidget* focused = QApplication::focusWidget();
    const bool textToKeep = (focused == txtOutput && !txtOutput->document()->isEmpty())
        || (focused == Memo1 && !Memo1->document()->isEmpty());
    mnuSave->setEnabled(textToKeep);
    mnuPrint->setEnabled(textToKeep);

    const bool codeSelected = ListView1->HasSelection();
    for (QAction* item : {mnuCopy, mnuAction})
        item->setEnabled(codeSelected);
    for (TSpeedButton* button : {cmdCopy, cmdAction})
        button->setEnabled(codeSelected);

    const bool codesLoaded = Codes->Count() > 0;
    for (QAction* item : {mnuFind, mnuFindNext})
        item->setEnabled(codesLoaded);
    for (TSpeedButton* button : {cmdFind, cmdFindNext})
        button->setEnabled(codesLoaded);

    const bool actionsListed = Actions->Count() > 0;
    cmdActionMake->setEnabled(actionsListed);
    cmdActionListClear->setEnabled(actionsListed);
    cmdActionListDelete->setEnabled(lvAction->HasSelection());
}

void TfrmMain::SetFlatButtons(bool flat)
{
    if (cmdAbout->Flat() == flat)
        return;
    for (QObject* component : findChildren<QObject*>()) {
        if (IsOfClass(component, "TSpeedButton"))
            static_cast<TSpeedButton*>(component)->SetFlat(flat);
        else if (IsOfClass(component, "TBevel"))
            static_cast<QWidget*>(component)->setVisible(flat);
    }
}

void TfrmMain::SetShowHint(bool show)
{
    SetWindowShowsHints(this, show);
}

void TfrmMain::ShowMainHint()
{
    StatusBar1->SetPanelText(0, LongHint(ApplicationHint::Instance().Hint()));
}

void TfrmMain::FormKeyPress(char key)
{
    if (key != EscapeKey)
        return;
    switch (Settings->GeneralOptions.EscapeAction) {
    case EscapeMinimizes: SysCommandMinimize(); break;
    case EscapeCloses: close(); break;
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
        const std::string caption = AnsiText(windowTitle());
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
