// The last-error panel: the system's message for a listed or typed code.
#include "app/TfrmMain.h"

#include "app/PaneText.h"
#include "output/SystemMessageText.h"

#include <QPlainTextEdit>

void TfrmMain::ShowSystemMessage(LONG code)
{
    Memo1->setPlainText(PaneDisplayText(SystemMessageText(code)));
}
