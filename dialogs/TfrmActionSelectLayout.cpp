// The code generator dialog's controls, as laid out: positions and sizes in
// pixels of its 261 x 182 client area.
#include "dialogs/TfrmActionSelect.h"
#include "widgets/DesignedLayout.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 261;
constexpr int ClientHeight = 182;

// A centred heading in a single border.
QLabel* Heading(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* heading = Place(new QLabel(QString::fromLatin1(caption), parent), name, 8, top, 161, 20);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    return heading;
}

} // namespace

void TfrmActionSelect::BuildLayout(QWidget* owner)
{
    setObjectName(QStringLiteral("frmActionSelect"));
    setWindowTitle(QStringLiteral("Make..."));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (owner != nullptr)
        setFont(owner->font());
    setFixedSize(ClientWidth, ClientHeight);

    StaticText2 = Heading(this, "StaticText2", "Syntax :", 6);
    rbSwitch = Place(new QRadioButton(QStringLiteral(" switch "), this), "rbSwitch", 8, 29, 78, 20);
    rbElseIf = Place(new QRadioButton(QStringLiteral(" if / else if"), this), "rbElseIf", 88, 29, 81, 20);
    rbSwitch->setChecked(true);

    stxtExpresion = Heading(this, "stxtExpresion", "Expression (Optional) :", 52);
    txtExpression = Place(new QLineEdit(this), "txtExpression", 8, 75, 161, 23);

    StaticText1 = Heading(this, "StaticText1", "Options", 104);
    chkBrackets = Place(new QCheckBox(QStringLiteral("Brackets"), this), "chkBrackets", 8, 128, 161, 20);
    chkClipboard =
        Place(new QCheckBox(QStringLiteral("Copy also to Clipboard"), this), "chkClipboard", 8, 152, 161, 20);

    Bevel1 = Place(new QFrame(this), "Bevel1", 177, 6, 2, 170);
    Bevel1->setFrameStyle(QFrame::VLine | QFrame::Sunken);

    Button1 = Place(new QPushButton(QStringLiteral("Do it"), this), "Button1", 186, 6, 67, 25);
    Button1->setDefault(true);
    Button2 = Place(new QPushButton(QStringLiteral("Later"), this), "Button2", 186, 38, 67, 25);

    setTabOrder(txtExpression, rbSwitch);
    setTabOrder(rbSwitch, rbElseIf);
    setTabOrder(rbElseIf, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, chkBrackets);
    setTabOrder(chkBrackets, chkClipboard);
    txtExpression->setFocus(Qt::OtherFocusReason);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
