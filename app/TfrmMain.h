// The main window: tool bar, menus, the code list, the left pane with the
// last-error pane, the output pane and the action list, and the status bar.
// It hosts every command; the handlers of the catalogue and of output and
// actions are its methods too. The window reads Settings in place while
// the message loop runs; start-up saves and frees them when the loop ends,
// before it destroys the windows, so nothing that runs at the window's
// destruction may read them.
#pragma once

#include "app/CommandStates.h"
#include "dialogs/MainWindowLink.h"
#include "platform/win32_types.h"
#include "widgets/TrayLogic.h"

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <memory>

class CodeListModel;
struct SearchSettings;
class KeyPreview;
class OutputPaneBinding;
class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMimeData;
class QPlainTextEdit;
class QTabWidget;
class SettingsDialogLink;
class TBevel;
class TListView;
class TPanel;
class TSaveDialog;
class TSpeedButton;
class TSplitter;
class TStatusBar;
class TfrmLookup;

class TfrmMain : public QWidget, public MainWindowLink {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Recomputes which commands are enabled (EnabledCommands) and applies
    // that to the menu bar and the tool bar; the popup menus apply it when
    // they open.
    void OnControlChange();
    void SetFlatButtons(bool flat) override;
    void SetShowHint(bool show) override;
    // The application hint handler for the main status bar.
    void ShowMainHint();
    void ShowOptionsHint() override;
    void ClearMainHint() override;
    void FormKeyPress(char key);

    void AddTrayIcon(bool trayMode) override;
    void RemoveTrayIcon() override;
    bool TrayMode() const;
    bool TrayIconPresent() const;
    const std::string& TrayTip() const;
    // A mouse event on the tray icon.
    void WMTrayNotify(TrayMouse event);
    // Puts the icon up when a notification area has come, and shows the
    // windows hidden in one that has gone.
    void FollowTrayHost();
    // The minimize command of the title bar and the system menu.
    void SysCommandMinimize();

    // The windows that go along with this one: the search window hides and
    // shows with it, and takes the main menu's shortcuts.
    void SetFindWindow(QWidget* window) override;
    QWidget* FindWindow() const { return findWindow; }
    void SetSettingsDialog(SettingsDialogLink* dialog) { settingsDialog = dialog; }
    // Main-menu shortcuts also in window, while this window takes input.
    void WatchShortcutsIn(QWidget* window) override;
    void FindWindowClosed() override { FindVisible = false; }
    bool SelectCodeRow(const DefinitionPlace& place) override;

    // The search window is open.
    bool FindVisible = false;
    // The sort direction of both lists.
    bool SortAscending = false;

    // Commands of this window.
    void cmdOptionsClick();
    void mnuMaximizeRestoreClick();
    void cmdAboutClick();
    void TrayMenuCloseClick();
    void TrayMenuRestoreClick();

    // Commands of the catalogue and of output and actions: reachable from
    // their controls, and doing nothing while the program has no code for
    // them.
    void cmdLoadClick();
    void cmdSaveClick();
    void cmdPrintClick();
    void cmdCopyClick();
    void cmdActionClick();
    void cmdFindClick();
    void cmdFindNextClick();
    // Opens the Lookup window, made at its first opening.
    void cmdLookupClick();
    void mnuCopySettingsClick();
    void cmdGetLastErrorManualClick();
    void cmdCallClick();
    void cmdActionMakeClick();
    void cmdActionListClearClick();
    void cmdActionListDeleteClick();
    void ListViewDblClick();
    void pmnuAGotoCodesClick();

    // The catalogue: sorting both lists by a clicked column, the code list's
    // popup, and the search in the code list.
    void ListViewColumnClick(TListView* sender, int column);
    void pmnuCListPopup();
    bool FindCode(const SearchSettings& settings, QWidget* messageOwner) override;

    // Last-error panel: Memo1 shows the system's message for code (-1: the
    // thread's last error), empty when the system has none.
    void ShowSystemMessage(LONG code);
    // Enter in txtManualCode shows the message of the typed code.
    void txtManualCodeKeyPress(char key);
    // Docking panManual by dragging it: the left pane's own frame takes the
    // drag of a panel, and a drop on its lower half docks it at the bottom.
    bool Panel1DragOver(const QMimeData* data) const;
    void Panel1DragDrop(int y);

    // Save and Print: the save dialog keeps the last name and filter for the
    // run.
    TSaveDialog* SaveDialog1 = nullptr;

    // Output and actions: copying codes, the action list, its drops and the
    // code generator. A list item's change is of its text, image or state.
    enum TItemChange { ctText, ctImage, ctState };
    void ListViewActionChange(TListView* sender, int item, TItemChange change);
    void pmnuAListPopup();
    bool txtOutputDragOver(const QMimeData* source) const;
    void txtOutputDragDrop();
    bool lvActionDragOver(const QMimeData* source) const;
    void lvActionDragDrop();
    // The Output pane's text model over txtOutput.
    OutputPaneBinding* OutputText = nullptr;

    // The controls, by their names in the program.
    QMenuBar* MainMenu1;
    QMenu* mnuFile;
    QAction* mnuLoad;
    QAction* mnuSave;
    QAction* mnuPrint;
    QAction* mnuExit;
    QMenu* mnuEdit;
    QAction* mnuCopy;
    QAction* mnuAction;
    QMenu* mnuSearch;
    QAction* mnuFind;
    QAction* mnuFindNext;
    QAction* mnuLookup;
    QMenu* mnuView;
    QAction* mnuMaximizeRestore;
    QMenu* mnuOptions;
    QAction* mnuSettings;
    QAction* mnuCopySettings;
    QMenu* mnuHelp;
    QAction* mnuAbout;

    TPanel* panButtons;
    TSpeedButton* cmdLoad;
    TSpeedButton* cmdSave;
    TSpeedButton* cmdPrint;
    TSpeedButton* cmdGetLastErrorManual;
    TSpeedButton* cmdActionMake;
    TSpeedButton* cmdActionListClear;
    TSpeedButton* cmdActionListDelete;
    TSpeedButton* cmdAction;
    TSpeedButton* cmdCopy;
    TSpeedButton* cmdFind;
    TSpeedButton* cmdFindNext;
    TSpeedButton* cmdLookup;
    TSpeedButton* cmdOptions;
    TSpeedButton* cmdAbout;
    TBevel* Bevel1;
    TBevel* Bevel2;
    TBevel* Bevel3;
    TBevel* Bevel4;
    TBevel* Bevel5;
    TBevel* Bevel6;
    TBevel* Bevel7;

    TPanel* Panel1;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    TPanel* panManual;
    QLineEdit* txtManualCode;
    TSpeedButton* cmdCall;
    TBevel* Bevel8;
    QPlainTextEdit* Memo1;
    QWidget* TabSheet2;
    QPlainTextEdit* txtOutput;
    QWidget* TabSheet3;
    TListView* lvAction;

    TSplitter* Splitter1;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    QMenu* pmnuCList;
    QAction* pmnuCGotoCodes;
    QAction* pmnuCCopy;
    QAction* pmnuCCopyToAct;
    QAction* pmnuCFind;
    QAction* pmnuCFindNext;
    QAction* pmnuLoadReload;
    QMenu* pmnuOptions;
    QAction* pmnuSettings;
    QAction* pmnuCopySettings;

    QMenu* pmnuAList;
    QAction* pmnuAGotoDeclaration;
    QAction* pmnuAMake;
    QAction* pmnuARemove;
    QAction* pmnuAClear;
    QAction* pmnuAGotoCodes;

    QMenu* TrayPopupMenu;
    QAction* TrayMenuRestore;
    QAction* TrayMenuClose;

    // The rows of ListView1 and of lvAction.
    CodeListModel* Codes;
    CodeListModel* Actions;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The left pane's width as laid out; the splitter keeps both panes at
    // least this wide.
    static constexpr int DesignedLeftPaneWidth = 209;

    void BuildMenus();
    void BuildToolBar();
    void BuildLeftPane();
    void BuildCodeList();
    void BuildPopupMenus();
    void BuildLayout();
    void BindCommands();
    void BindOutputAndActions();
    void BindLastErrorPanel();
    void BindSaveAndPrint();

    WindowState CurrentWindowState() const;
    void ApplyCommandState(Command command, std::initializer_list<QAction*> items,
                           std::initializer_list<TSpeedButton*> buttons = {});
    void ActiveControlChanged(QWidget* now);
    void ApplicationStateChanged(Qt::ApplicationState state);
    bool PreviewKey(QWidget* window, QKeyCombination key);
    void WatchTrayHost();
    void HideToTray();
    void ShowFromTray();
    void BringToFront();

    // As OnControlChange last computed them; all until it first runs.
    CommandSet enabledCommands = CommandSet::All();
    int savedBeep = 0;
    bool active = false;
    std::unique_ptr<TrayIconState> tray;
    QPointer<QWidget> findWindow;
    // Owned as a child: it goes when this window goes.
    QPointer<TfrmLookup> lookupWindow;
    QPointer<QWidget> lastActiveWindow;
    SettingsDialogLink* settingsDialog = nullptr;
    KeyPreview* keys = nullptr;
    char aboutTitle[64] = {};
    bool aboutTitleCopied = false;
};

// The main window of the run; null outside it.
extern TfrmMain* frmMain;
