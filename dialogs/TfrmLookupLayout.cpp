// The Lookup window's controls, as laid out: positions and sizes in pixels
// of its client area, which grows with the window.
#include "dialogs/TfrmLookup.h"
#include "widgets/DesignedLayout.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 560;
constexpr int ClientHeight = 320;

} // namespace

void TfrmLookup::BuildLayout()
{
    setObjectName(QStringLiteral("frmLookup"));
    setWindowTitle(QStringLiteral("Lookup"));
    setFont(DesignedWindowFont());
    resize(ClientWidth, ClientHeight);
    move(250, 140);

    txtLookupTerm = Named(new QLineEdit(this), "txtLookupTerm");
    txtLookupTerm->setFixedHeight(23);
    txtLookupTerm->setPlaceholderText(QStringLiteral("Code, name or log line"));

    txtLookupReport = Named(new QPlainTextEdit(this), "txtLookupReport");
    txtLookupReport->setReadOnly(true);
    // Read-only, yet with a caret that the keys move to a line to open.
    txtLookupReport->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtLookupReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report lines its fields up in columns.
    txtLookupReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(txtLookupTerm);
    layout->addWidget(txtLookupReport, 1);

    setTabOrder(txtLookupTerm, txtLookupReport);
}
