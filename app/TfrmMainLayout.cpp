// The main window's controls, as laid out: positions and sizes in pixels.
#include "app/TfrmMain.h"
#include "widgets/DesignedLayout.h"

#include "widgets/ApplicationHint.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/Images.h"
#include "widgets/MenuShortcuts.h"
#include "widgets/ScreenCentring.h"
#include "widgets/TListView.h"
#include "widgets/TSplitter.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 500;
constexpr int ClientHeight = 279;
constexpr int ToolBarHeight = 33;
constexpr int ManualPanelHeight = 37;

QAction* AddItem(QMenu* menu, const char* name, const char* text, const QKeySequence& key = {})
{
    QAction* item = Named(menu->addAction(QString::fromLatin1(text)), name);
    if (!key.isEmpty())
        SetMenuShortcut(item, key);
    return item;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* title)
{
    QMenu* menu = Named(new QMenu(QString::fromLatin1(title), bar), name);
    bar->addMenu(menu);
    return menu;
}

class NarrowTabStyle final : public QProxyStyle {
public:
    NarrowTabStyle() : QProxyStyle(QApplication::style()->name()) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void TfrmMain::BuildMenus()
{
    MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
    // Menus use the desktop's menu font, not the window's.
    MainMenu1->setFont(QApplication::font("QMenuBar"));

    mnuFile = AddMenu(MainMenu1, "mnuFile", "&File");
    mnuLoad = AddItem(mnuFile, "mnuLoad", "&Load/Reload", QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuSave = AddItem(mnuFile, "mnuSave", "&Save...", QKeySequence(Qt::Key_F2));
    mnuFile->addSeparator();
    mnuPrint = AddItem(mnuFile, "mnuPrint", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addSeparator();
    mnuExit = AddItem(mnuFile, "mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuEdit = AddMenu(MainMenu1, "mnuEdit", "&Edit");
    mnuCopy = AddItem(mnuEdit, "mnuCopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEdit->addSeparator();
    mnuAction = AddItem(mnuEdit, "mnuAction", "Copy to action list", QKeySequence(Qt::CTRL | Qt::Key_A));

    mnuSearch = AddMenu(MainMenu1, "mnuSearch", "&Search");
    mnuFind = AddItem(mnuSearch, "mnuFind", "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuFindNext = AddItem(mnuSearch, "mnuFindNext", "Find &next", QKeySequence(Qt::Key_F3));
    mnuSearch->addSeparator();
    mnuLookup = AddItem(mnuSearch, "mnuLookup", "&Lookup...", QKeySequence(Qt::Key_F6));

    mnuView = AddMenu(MainMenu1, "mnuView", "&View");
    mnuMaximizeRestore = AddItem(mnuView, "mnuMaximizeRestore", "Maximize/Restore", QKeySequence(Qt::Key_F5));

    mnuOptions = AddMenu(MainMenu1, "mnuOptions", "&Options");
    mnuSettings = AddItem(mnuOptions, "mnuSettings", "&Settings...", QKeySequence(Qt::Key_F7));
    mnuCopySettings = AddItem(mnuOptions, "mnuCopySettings", "Copy Settings...", QKeySequence(Qt::Key_F8));

    mnuHelp = AddMenu(MainMenu1, "mnuHelp", "&Help");
    mnuAbout = AddItem(mnuHelp, "mnuAbout", "&About...");
}

void TfrmMain::BuildToolBar()
{
    panButtons = Named(new TPanel(this), "panButtons");
    panButtons->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panButtons->setFixedHeight(ToolBarHeight);
    // Positions are within the panel's client area, inside its border.
    const int inset = panButtons->frameWidth();
    auto button = [&](const char* name, int left, const char* hint, const char* picture, int width = 26) {
        auto* control = Named(new TSpeedButton(panButtons), name);
        control->setFixedWidth(width);
        control->move(left + inset, 2 + inset);
        control->setIcon(ToolPicture(picture));
        SetControlHint(control, QString::fromLatin1(hint));
        return control;
    };
    auto separator = [&](const char* name, int left) {
        auto* bevel = Named(new TBevel(panButtons), name);
        bevel->move(left + inset, 6 + inset);
        return bevel;
    };
    cmdLoad = button("cmdLoad", 4, "Load/Reload codes", "load");
    Bevel4 = separator("Bevel4", 34);
    cmdSave = button("cmdSave", 40, "Save...", "save", 27);
    cmdPrint = button("cmdPrint", 67, "Print...", "print");
    Bevel1 = separator("Bevel1", 96);
    cmdGetLastErrorManual = button("cmdGetLastErrorManual", 101, "Check codes manual", "tick");
    cmdGetLastErrorManual->setCheckable(true);
    Bevel2 = separator("Bevel2", 131);
    cmdActionMake = button("cmdActionMake", 137, "Action...", "actionmake");
    cmdActionListClear = button("cmdActionListClear", 163, "Clear action list", "actionclear");
    cmdActionListDelete = button("cmdActionListDelete", 189, "Remove from action list", "actiondelete");
    cmdAction = button("cmdAction", 215, "Copy to action window", "action");
    Bevel3 = separator("Bevel3", 245);
    cmdCopy = button("cmdCopy", 252, "Copy", "copy");
    Bevel5 = separator("Bevel5", 282);
    cmdFind = button("cmdFind", 288, "Find", "find");
    cmdFindNext = button("cmdFindNext", 314, "Find next", "findnext");
    cmdLookup = button("cmdLookup", 340, "Lookup|Look up a code, a name or a log line", "lookup");
    Bevel6 = separator("Bevel6", 370);
    cmdOptions = button("cmdOptions", 376, "Options...", "options");
    Bevel7 = separator("Bevel7", 406);
    cmdAbout = button("cmdAbout", 413, "Info", "about");
}

void TfrmMain::BuildLeftPane()
{
    Panel1 = Named(new TPanel(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    auto* paneLayout = new QVBoxLayout(Panel1);
    paneLayout->setContentsMargins(2, 2, 2, 2);

    PageControl1 = Named(new QTabWidget(Panel1), "PageControl1");
    PageControl1->setFocusPolicy(Qt::NoFocus);
    // The three tabs fit the pane's width as designed only with narrow tabs.
    auto* narrowTabs = new NarrowTabStyle;
    narrowTabs->setParent(PageControl1);
    PageControl1->tabBar()->setStyle(narrowTabs);
    paneLayout->addWidget(PageControl1);

    TabSheet1 = Named(new QWidget, "TabSheet1");
    auto* lastErrorLayout = new QVBoxLayout(TabSheet1);
    lastErrorLayout->setContentsMargins(0, 0, 0, 0);
    lastErrorLayout->setSpacing(0);
    panManual = Named(new TPanel(TabSheet1), "panManual");
    panManual->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panManual->setFixedHeight(ManualPanelHeight);
    panManual->setCursor(Qt::PointingHandCursor);
    txtManualCode = Named(new QLineEdit(QStringLiteral("0"), panManual), "txtManualCode");
    txtManualCode->setGeometry(4, 7, 129, 23);
    txtManualCode->setCursor(Qt::IBeamCursor);
    cmdCall = Named(new TSpeedButton(panManual), "cmdCall");
    cmdCall->move(137, 6);
    cmdCall->setIcon(ToolPicture("tick"));
    cmdCall->setCursor(Qt::ArrowCursor);
    SetControlHint(cmdCall, QStringLiteral("Call GetLastError() manual"));
    Bevel8 = Named(new TBevel(panManual), "Bevel8");
    Bevel8->move(167, 10);
    panManual->hide();
    Memo1 = Named(new QPlainTextEdit(TabSheet1), "Memo1");
    Memo1->setReadOnly(true);
    SetControlHint(Memo1, QStringLiteral("|GetLastError() result"));
    lastErrorLayout->addWidget(panManual);
    lastErrorLayout->addWidget(Memo1);
    PageControl1->addTab(TabSheet1, QStringLiteral("GetLastError"));

    TabSheet2 = Named(new QWidget, "TabSheet2");
    auto* outputLayout = new QVBoxLayout(TabSheet2);
    outputLayout->setContentsMargins(0, 0, 0, 0);
    txtOutput = Named(new QPlainTextEdit(TabSheet2), "txtOutput");
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutput->setTabChangesFocus(false);
    SetControlHint(txtOutput, QStringLiteral("|Output window"));
    outputLayout->addWidget(txtOutput);
    PageControl1->addTab(TabSheet2, QStringLiteral("Output"));

    TabSheet3 = Named(new QWidget, "TabSheet3");
    auto* actionLayout = new QVBoxLayout(TabSheet3);
    actionLayout->setContentsMargins(0, 0, 0, 0);
    lvAction = Named(new TListView(TabSheet3), "lvAction");
    Actions = new CodeListModel({QStringLiteral("Mnemonic"), QStringLiteral("Code")}, lvAction);
    lvAction->SetModel(Actions);
    lvAction->SetColumnWidths({190, 50});
    SetControlHint(lvAction, QStringLiteral("|Action list"));
    actionLayout->addWidget(lvAction);
    PageControl1->addTab(TabSheet3, QStringLiteral("Action"));

    PageControl1->setCurrentIndex(0);
}

void TfrmMain::BuildCodeList()
{
    ListView1 = Named(new TListView(this), "ListView1");
    Codes = new CodeListModel({QStringLiteral("Mnemonic"), QStringLiteral("Code"), QStringLiteral("Facility"),
                               QStringLiteral("Severity"), QStringLiteral("N"), QStringLiteral("Header"),
                               QStringLiteral("Line")},
                              ListView1);
    ListView1->SetModel(Codes);
    ListView1->SetColumnWidths({130, 50, 60, 70, 50, 50, 50});
    ListView1->setDragEnabled(true);
    ListView1->setDragDropMode(QAbstractItemView::DragOnly);
    SetControlHint(ListView1, QStringLiteral("|Loaded codes"));
}

void TfrmMain::BuildPopupMenus()
{
    pmnuCList = Named(new QMenu(this), "pmnuCList");
    pmnuCGotoCodes = AddItem(pmnuCList, "pmnuCGotoCodes", "View Declaration");
    pmnuCList->setDefaultAction(pmnuCGotoCodes);
    pmnuCList->addSeparator();
    pmnuCCopy = AddItem(pmnuCList, "pmnuCCopy", "Copy");
    pmnuCCopyToAct = AddItem(pmnuCList, "pmnuCCopyToAct", "Copy to action list");
    pmnuCList->addSeparator();
    pmnuCFind = AddItem(pmnuCList, "pmnuCFind", "Find");
    pmnuCFindNext = AddItem(pmnuCList, "pmnuCFindNext", "Find Next");
    pmnuCList->addSeparator();
    pmnuLoadReload = AddItem(pmnuCList, "pmnuLoadReload", "Load/Reload");
    pmnuCList->addSeparator();
    pmnuOptions = Named(pmnuCList->addMenu(QStringLiteral("Options")), "pmnuOptions");
    pmnuSettings = AddItem(pmnuOptions, "pmnuSettings", "Settings...");
    pmnuCopySettings = AddItem(pmnuOptions, "pmnuCopySettings", "Copy Settings...");

    pmnuAList = Named(new QMenu(this), "pmnuAList");
    pmnuAGotoDeclaration = AddItem(pmnuAList, "pmnuAGotoDeclaration", "View Declaration");
    pmnuAList->setDefaultAction(pmnuAGotoDeclaration);
    pmnuAList->addSeparator();
    pmnuAMake = AddItem(pmnuAList, "pmnuAMake", "Make...");
    pmnuAList->addSeparator();
    pmnuARemove = AddItem(pmnuAList, "pmnuARemove", "Remove");
    pmnuAClear = AddItem(pmnuAList, "pmnuAClear", "Clear List");
    pmnuAList->addSeparator();
    pmnuAGotoCodes = AddItem(pmnuAList, "pmnuAGotoCodes", "Goto Codes");

    TrayPopupMenu = Named(new QMenu(this), "TrayPopupMenu");
    TrayMenuRestore = AddItem(TrayPopupMenu, "TrayMenuRestore", "Restore");
    TrayPopupMenu->setDefaultAction(TrayMenuRestore);
    TrayMenuClose = AddItem(TrayPopupMenu, "TrayMenuClose", "Close");

    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmnuCList->popup(ListView1->viewport()->mapToGlobal(at)); });
    lvAction->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvAction, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmnuAList->popup(lvAction->viewport()->mapToGlobal(at)); });
}

void TfrmMain::BuildLayout()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowIcon(AppIcon());
    setFont(DesignedWindowFont());

    BuildMenus();
    BuildToolBar();
    BuildLeftPane();
    BuildCodeList();
    BuildPopupMenus();

    Splitter1 = Named(new TSplitter(this), "Splitter1");
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(ListView1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({DesignedLeftPaneWidth, ClientWidth - DesignedLeftPaneWidth - Splitter1->handleWidth()});

    StatusBar1 = Named(new TStatusBar({179, 60, 60, 46, 60, 50}, true, this), "StatusBar1");
    StatusBar1->SetPanelText(1, QStringLiteral("Headers"));
    StatusBar1->SetPanelText(2, QStringLiteral("0"));
    StatusBar1->SetPanelText(3, QStringLiteral("Codes"));
    StatusBar1->SetPanelText(4, QStringLiteral("0"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(panButtons);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(StatusBar1);

    resize(ClientWidth, ClientHeight + MainMenu1->sizeHint().height());
    CentreOnScreen(*this);
}
