// The settings dialog's controls, as laid out: positions and sizes in pixels.
#include "dialogs/TfrmSettings.h"
#include "widgets/DesignedLayout.h"

#include "dialogs/TfrmSettingsListBox.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/Images.h"
#include "widgets/TStatusBar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

// The pictures of this dialog live in the static library too; see
// LoadPictures in app/Images.cpp. (Outside any namespace: the macro
// declares the resource's initialiser where it stands.)
static void LoadDialogPictures()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(settings_dialog);
        return true;
    }();
    (void)loaded;
}

namespace {

constexpr int ClientWidth = 254;
constexpr int ClientHeight = 273;
constexpr int StripHeight = 5;
constexpr int ButtonWidth = 27;
constexpr int ButtonHeight = 25;
constexpr int ButtonLeft = 213;
constexpr int ListLeft = 8;
constexpr int ListTop = 16;
constexpr int ListWidth = 201;

TSpeedButton* Button(QWidget* parent, const char* name, int top, const char* hint, const char* picture)
{
    auto* button = Named(new TSpeedButton(parent), name);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    button->move(ButtonLeft, top);
    button->setIcon(ToolPicture(picture));
    button->SetFlat(true);
    SetControlHint(button, QString::fromLatin1(hint));
    return button;
}

TListBox* ListBox(QWidget* parent, const char* name, int height, const char* hint)
{
    auto* list = Named(new TListBox(parent), name);
    list->setGeometry(ListLeft, ListTop, ListWidth, height);
    SetControlHint(list, QString::fromLatin1(hint));
    return list;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, int top, const char* caption)
{
    auto* box = Named(new QCheckBox(QString::fromLatin1(caption), parent), name);
    box->setGeometry(24, top, 210, 17);
    return box;
}

QRadioButton* RadioButton(QWidget* parent, const char* name, int top, const char* caption, int tag)
{
    auto* button = Named(new QRadioButton(QString::fromLatin1(caption), parent), name);
    button->setGeometry(16, top, 150, 17);
    button->setProperty("tag", tag);
    return button;
}

} // namespace

void TfrmSettings::BuildGeneralPage()
{
    TabSheet1 = Named(new QWidget, "TabSheet1");

    GroupBox1 = Named(new QGroupBox(QStringLiteral(" Headers "), TabSheet1), "GroupBox1");
    GroupBox1->setGeometry(2, 0, 244, 73);
    lbHeaders =
        ListBox(GroupBox1, "lbHeaders", 49, "Only selected headers will be loaded|Double click to view full path");
    cmdAddHeader = Button(GroupBox1, "cmdAddHeader", 15, "Browse for header file", "addheader");
    cmdDeleteHeader = Button(GroupBox1, "cmdDeleteHeader", 40, "Remove selected headers", "deleteheader");

    GroupBox2 = Named(new QGroupBox(QStringLiteral(" Prefixes "), TabSheet1), "GroupBox2");
    GroupBox2->setGeometry(2, 75, 244, 146);
    lbPrefix =
        ListBox(GroupBox2, "lbPrefix", 124, "Only errors with selected prefixes will be loaded|Prefixes for errors");
    cmdAddPrefix = Button(GroupBox2, "cmdAddPrefix", 16, "Add new prefix", "addprefix");
    cmdEditPrefix = Button(GroupBox2, "cmdEditPrefix", 41, "Edit prefix's", "editprefix");
    cmdDeletePrefix = Button(GroupBox2, "cmdDeletePrefix", 66, "Remove selected prefix", "deleteprefix");
    cmdPrefixSelAll = Button(GroupBox2, "cmdPrefixSelAll", 91, "Select all prefixes", "prefixselall");
    cmdPrefixSelNone = Button(GroupBox2, "cmdPrefixSelNone", 116, "Select none prefixes", "prefixselnone");

    // The page holds its group boxes whole, however tall the style's tab
    // bar is; the dialog grows to give it the room.
    TabSheet1->setMinimumSize(GroupBox2->geometry().right() + 1, GroupBox2->geometry().bottom() + 1);
    PageControl1->addTab(TabSheet1, QStringLiteral("General"));
}

void TfrmSettings::BuildOtherPage()
{
    TabSheet2 = Named(new QWidget, "TabSheet2");

    Bevel1 = Named(new QFrame(TabSheet2), "Bevel1");
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(0, 0, 246, 125);
    chkFlatButtons = CheckBox(TabSheet2, "chkFlatButtons", 6, " Flat Buttons ");
    chkPopupHints = CheckBox(TabSheet2, "chkPopupHints", 30, " Popup Hints ");
    chkBottomHints = CheckBox(TabSheet2, "chkBottomHints", 54, " Bottom Hints ");
    chkUseTray = CheckBox(TabSheet2, "chkUseTray", 78, " Use tray ");
    chkHideAtStart = CheckBox(TabSheet2, "chkHideAtStart", 102, " Minimize to tray at start ");

    GroupBox3 = Named(new QGroupBox(QStringLiteral(" Escape key does : "), TabSheet2), "GroupBox3");
    GroupBox3->setGeometry(8, 128, 225, 81);
    SetControlHint(GroupBox3, QStringLiteral("Escape Key on main window behavior"));
    rbEscapeNothings = RadioButton(GroupBox3, "rbEscapeNothings", 18, " Nothing ", 0);
    rbEscapeHides = RadioButton(GroupBox3, "rbEscapeHides", 38, " Minimize ", 1);
    rbEscapeClosed = RadioButton(GroupBox3, "rbEscapeClosed", 58, " Close ", 2);

    QWidget::setTabOrder(chkFlatButtons, chkPopupHints);
    QWidget::setTabOrder(chkPopupHints, chkBottomHints);
    QWidget::setTabOrder(chkBottomHints, chkHideAtStart);
    QWidget::setTabOrder(chkHideAtStart, rbEscapeNothings);
    QWidget::setTabOrder(rbEscapeNothings, rbEscapeHides);
    QWidget::setTabOrder(rbEscapeHides, rbEscapeClosed);
    QWidget::setTabOrder(rbEscapeClosed, chkUseTray);

    PageControl1->addTab(TabSheet2, QStringLiteral("Other"));
}

void TfrmSettings::BuildLayout()
{
    LoadDialogPictures();
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFont(DesignedWindowFont());
    setSizeGripEnabled(false);

    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    BuildGeneralPage();
    BuildOtherPage();
    PageControl1->setCurrentIndex(0);

    Panel1 = Named(new TPanel(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Panel1->setFixedHeight(StripHeight);
    StatusBar1 = Named(new TStatusBar({}, false, this), "StatusBar1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(Panel1);
    layout->addWidget(StatusBar1);
    setFixedSize(ClientWidth, std::max(ClientHeight, layout->minimumSize().height()));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
