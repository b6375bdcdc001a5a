#include "dialogs/TfrmWideText.h"
#include "widgets/DesignedLayout.h"

#include "widgets/KeyPreview.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {

constexpr int ClientWidth = 424;
constexpr int ClientHeight = 41;

} // namespace

TfrmWideText::TfrmWideText(QWidget* owner, bool editable_, QString& target_, const QString& caption)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      editable(editable_), target(target_)
{
    setObjectName(QStringLiteral("frmWideText"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DesignedSmallFont());
    setWindowTitle(caption);
    setFixedSize(ClientWidth, ClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 8, 409, 24);
    Edit1->setReadOnly(!editable);
    QPalette colours = Edit1->palette();
    colours.setColor(QPalette::Base, editable ? palette().color(QPalette::Base) : palette().color(QPalette::Button));
    Edit1->setPalette(colours);
    Edit1->setText(target);
    Edit1->setFocus(Qt::OtherFocusReason);

    auto* keys = new KeyPreview(this, [this](QWidget*, QKeyCombination key) { return FormKeyPress(key); });
    keys->Watch(this);
}

bool TfrmWideText::FormKeyPress(QKeyCombination key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Taken here: the closed window's edit box has no use for it.
        close();
        return true;
    default: return false;
    }
}

// Every way of closing, the close box included, ends here.
void TfrmWideText::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmWideText::FormClose()
{
    if (editable)
        target = Edit1->text();
}
