#include "dialogs/TfrmLookup.h"

#include "dialogs/MainWindowLink.h"
#include "lookup/FamilyMessages.h"
#include "lookup/LookupCatalogue.h"
#include "settings/TSettings.h"
#include "widgets/KeyPreview.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

TfrmLookup::TfrmLookup(MainWindowLink& main_, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint
                         // Above every window, as the search window is, so that
                         // the row it selects in the main window can be watched.
                         | Qt::WindowStaysOnTopHint),
      main(main_)
{
    BuildLayout();
    connect(txtLookupTerm, &QLineEdit::textChanged, this, &TfrmLookup::txtLookupTermChange);
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
    txtLookupReport->viewport()->installEventFilter(this);
}

TfrmLookup::~TfrmLookup() = default;

void TfrmLookup::ShowInFront()
{
    show();
    raise();
    activateWindow();
    txtLookupTerm->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmLookup::txtLookupTermChange()
{
    // The selection in the settings may have changed since the last lookup.
    if (!catalogue || !catalogue->Follows(Settings->ErrorsOptions))
        catalogue = std::make_unique<LookupCatalogue>(Settings->ErrorsOptions);
    TypedReport report = ReportTyped(catalogue->Index(), txtLookupTerm->text().toUtf8().toStdString(), FamilyMessage);
    shown = std::move(report.Definitions);
    // The report is UTF-8, as the system's message texts are: no code-page
    // text passes here.
    txtLookupReport->setPlainText(QString::fromUtf8(report.Text));
}

bool TfrmLookup::ReportLineActivate(int line)
{
    for (const ShownDefinition& definition : shown) {
        if (definition.TextLine == static_cast<std::size_t>(line))
            return main.SelectCodeRow(definition.Place);
    }
    return false;
}

bool TfrmLookup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtLookupReport->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        ReportLineActivate(txtLookupReport->cursorForPosition(at).blockNumber());
        return false;
    }
    const int key = KeyPressAtFocus(*this, watched, event);
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    if (watched == txtLookupReport && (key == Qt::Key_Return || key == Qt::Key_Enter))
        return ReportLineActivate(txtLookupReport->textCursor().blockNumber());
    return false;
}
