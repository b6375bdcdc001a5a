#include "widgets/TSaveDialog.h"

#include <QWidget>

TSaveDialog::TSaveDialog(QWidget* ownerWindow) : QObject(ownerWindow), owner(ownerWindow)
{
}

bool TSaveDialog::Execute()
{
    FileSaveChoice answer = Choice;
    if (!Seam<FileSaveDialog>::Get().Execute(owner, answer))
        return false;
    Choice = answer;
    return true;
}
