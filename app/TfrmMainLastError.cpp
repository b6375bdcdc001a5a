// The last-error panel: the system's message for a listed or typed code, and
// the manual-entry panel that can be docked at the top or the bottom.
#include "app/TfrmMain.h"

#include "output/LastErrorPanelRules.h"
#include "output/SystemMessageText.h"
#include "widgets/AnsiQString.h"
#include "widgets/Controls.h"
#include "widgets/DragSource.h"
#include "widgets/KeyPreview.h"
#include "widgets/PanelDocking.h"
#include "widgets/PaneText.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

void TfrmMain::BindLastErrorPanel()
{
    // QLineEdit passes Enter on after signalling it.
    connect(txtManualCode, &QLineEdit::returnPressed, this, [this] { txtManualCodeKeyPress(EnterKey); });
    PanelDragSource::Attach(panManual);
    FrameDropTarget::Attach(
        Panel1, [this](const QMimeData* drag) { return Panel1DragOver(drag); }, [this](int y) { Panel1DragDrop(y); });
}

void TfrmMain::ShowSystemMessage(LONG code)
{
    Memo1->setPlainText(PaneDisplayText(SystemMessageText(code)));
}

void TfrmMain::cmdGetLastErrorManualClick()
{
    panManual->setVisible(cmdGetLastErrorManual->isChecked());
}

void TfrmMain::cmdCallClick()
{
    ShowSystemMessage(CodeNumber(ToAnsi(txtManualCode->text())));
}

void TfrmMain::txtManualCodeKeyPress(char key)
{
    if (key == EnterKey)
        cmdCallClick();
}

// Only panManual can be dragged as a panel in this window.
bool TfrmMain::Panel1DragOver(const QMimeData* drag) const
{
    return IsDragFrom(drag, "TPanel");
}

void TfrmMain::Panel1DragDrop(int y)
{
    auto* layout = static_cast<QBoxLayout*>(TabSheet1->layout());
    layout->removeWidget(panManual);
    layout->insertWidget(DocksAtBottom(y, Panel1->height()) ? layout->count() : 0, panManual);
}
