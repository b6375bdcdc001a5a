// The mouse over a control, as the hint machinery sees it.
#pragma once

#include <QString>

class QWidget;

void MouseEnters(QWidget* control);
void MouseLeaves(QWidget* control);

// Asks for the popup hint over control, after the previous one has gone;
// its text, or an empty text when no popup shows.
QString PopupOver(QWidget* control);
