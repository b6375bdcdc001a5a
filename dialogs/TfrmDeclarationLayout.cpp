// The declaration viewer's controls, as laid out: sizes in pixels.
#include "dialogs/TfrmDeclaration.h"
#include "widgets/DesignedLayout.h"

#include "widgets/AnsiQString.h"
#include "widgets/MenuShortcuts.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdint>
#include <limits>

namespace {

constexpr int WindowWidth = 471;
constexpr int WindowHeight = 247;
// The header scan counts lines in 64 bits: a line number has up to 20
// digits.
constexpr int LongestLineDigits = std::numeric_limits<std::uint64_t>::digits10 + 1;

// The longest line number, of the font's widest digit.
QString LongestLineNumber(const QFontMetrics& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    return QString(LongestLineDigits, widest);
}

QAction* AddItem(QMenu* menu, const char* name, const char* text, const QKeySequence& key, const char* hint)
{
    QAction* item = menu->addAction(QString::fromLatin1(text));
    item->setObjectName(QString::fromLatin1(name));
    SetMenuShortcut(item, key);
    item->setStatusTip(QString::fromLatin1(hint));
    return item;
}

} // namespace

void TfrmDeclaration::BuildLayout(const std::string& path)
{
    setObjectName(QStringLiteral("frmDeclaration"));
    setWindowTitle(FromAnsi(path));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(DesignedSmallFont());

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    // Read-only, yet with a caret that the keys move.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setTabChangesFocus(false);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setFocus();

    StatusBar1 = new TStatusBar({80, 50}, true, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->WidenPanelFor(0, QString::fromLatin1(LineCaption) + LongestLineNumber(StatusBar1->fontMetrics()));

    BuildPopupMenu();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(StatusBar1);

    resize(WindowWidth, WindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmDeclaration::BuildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    pmnuCopy = AddItem(PopupMenu1, "pmnuCopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "Copy selected text");
    pmnuSelectAll =
        AddItem(PopupMenu1, "pmnuSelectAll", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A), "Select all lines");
    PopupMenu1->addSeparator();
    pmnuBack = AddItem(PopupMenu1, "pmnuBack", "Back to declaration", QKeySequence(Qt::CTRL | Qt::Key_B),
                       "Return to declaration entry");
    PopupMenu1->addSeparator();
    pmnuClose = AddItem(PopupMenu1, "pmnuClose", "Close", QKeySequence(Qt::CTRL | Qt::Key_X), "Close");

    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(at)); });
}
