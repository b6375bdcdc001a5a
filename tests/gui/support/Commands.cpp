#include "Commands.h"

#include "widgets/Controls.h"

#include <QAction>
#include <QtDebug>

bool TriggerCommand(QWidget& window, const char* name)
{
    if (auto* item = window.findChild<QAction*>(QString::fromLatin1(name))) {
        if (!item->isEnabled()) {
            qWarning("%s is disabled", name);
            return false;
        }
        item->trigger();
        return true;
    }
    if (auto* button = window.findChild<TSpeedButton*>(QString::fromLatin1(name))) {
        if (!button->isEnabled()) {
            qWarning("%s is disabled", name);
            return false;
        }
        button->click();
        return true;
    }
    qWarning("no command control named %s", name);
    return false;
}
