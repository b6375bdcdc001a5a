#include "widgets/MenuShortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

constexpr const char* ShortcutProperty = "menuShortcut";

// The item with the key, and the menus that lead to it, outermost first.
QAction* FindItem(const QList<QAction*>& items, const QKeySequence& key, std::vector<QMenu*>& path)
{
    for (QAction* item : items) {
        if (QMenu* submenu = item->menu()) {
            path.push_back(submenu);
            if (QAction* found = FindItem(submenu->actions(), key, path))
                return found;
            path.pop_back();
        } else if (!item->isSeparator() && MenuShortcut(item) == key) {
            return item;
        }
    }
    return nullptr;
}

} // namespace

void SetMenuShortcut(QAction* item, const QKeySequence& key)
{
    item->setProperty(ShortcutProperty, key);
    // Qt draws the text after a tab as the item's shortcut.
    QString text = item->text();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        text.truncate(tab);
    item->setText(key.isEmpty() ? text : text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
}

QKeySequence MenuShortcut(const QAction* item)
{
    return item->property(ShortcutProperty).value<QKeySequence>();
}

bool RunMenuShortcut(const QMenuBar& menu, QKeyCombination key)
{
    std::vector<QMenu*> path;
    QAction* item = FindItem(menu.actions(), QKeySequence(key), path);
    if (item == nullptr)
        return false;
    for (QMenu* submenu : path) {
        if (!submenu->menuAction()->isEnabled())
            return true;
        emit submenu->aboutToShow();
    }
    if (item->isEnabled())
        item->trigger();
    return true;
}
