// The copy-settings dialog's controls, as laid out: positions and sizes in
// pixels of its 210 x 236 client area.
#include "dialogs/TfrmCopyWhat.h"
#include "widgets/DesignedLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 210;
constexpr int ClientHeight = 236;

} // namespace

void TfrmCopyWhat::BuildLayout(QWidget* owner)
{
    setObjectName(QStringLiteral("frmCopyWhat"));
    // A tool window whose only window control is the close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (owner != nullptr)
        setFont(owner->font());
    setFixedSize(ClientWidth, ClientHeight);

    Bevel1 = Place(new QFrame(this), "Bevel1", 8, 8, 194, 146);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto columnBox = [this](const char* name, const char* caption, int index) {
        return Place(new QCheckBox(QString::fromLatin1(caption), this), name, 20, 16 + index * 22, 170, 20);
    };
    chkMnemonic = columnBox("chkMnemonic", " Mnemonic ", 0);
    chkCode = columnBox("chkCode", " Code ", 1);
    chkFacility = columnBox("chkFacility", " Facility ", 2);
    chkSeverity = columnBox("chkSeverity", " Severity ", 3);
    chkHeaderFile = columnBox("chkHeaderFile", " Header FileName ", 4);
    chkLineNumber = columnBox("chkLineNumber", " Line number ", 5);

    GroupBox1 = Place(new QGroupBox(this), "GroupBox1", 8, 158, 194, 36);
    rbClipboard = Place(new QRadioButton(QStringLiteral(" Clipboard "), GroupBox1), "rbClipboard", 8, 9, 90, 20);
    rbOutputWindow = Place(new QRadioButton(QStringLiteral(" Output "), GroupBox1), "rbOutputWindow", 104, 9, 84, 20);

    GroupBox2 = Place(new QGroupBox(this), "GroupBox2", 8, 196, 194, 36);
    rbAppend = Place(new QRadioButton(QStringLiteral(" Append "), GroupBox2), "rbAppend", 8, 9, 90, 20);
    rbReplace = Place(new QRadioButton(QStringLiteral(" Replace "), GroupBox2), "rbReplace", 104, 9, 84, 20);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
