#include "SettingsFakes.h"

QStringList FakeFileOpenDialog::OpenFiles(QWidget*, const QString& filter)
{
    filters.push_back(filter);
    return chosen;
}

bool FakeWideTextWindows::ShowModal(QWidget*, bool editable, QString& text, const QString& caption)
{
    if (windowsLeft == 0)
        return false;
    --windowsLeft;
    shown.push_back({caption, editable, text});
    if (editable && !typed.empty()) {
        text = typed.front();
        typed.pop_front();
    }
    return true;
}
