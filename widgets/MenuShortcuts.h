// Shortcut keys of a main menu, run as the system runs a menu's
// accelerators: the key belongs to its item, also when that item is
// disabled; the menus on the item's path are clicked first, outermost
// first (so a menu's opening handler runs); and the item runs only when it
// and every menu on its path are enabled.
#pragma once

#include <QKeyCombination>
#include <QKeySequence>

class QAction;
class QMenuBar;

// Gives an item its shortcut and shows the key beside its text.
void SetMenuShortcut(QAction* item, const QKeySequence& key);
QKeySequence MenuShortcut(const QAction* item);

// True when key is the shortcut of an item of menu; the key is then used up.
bool RunMenuShortcut(const QMenuBar& menu, QKeyCombination key);
