// What every window's fixed layout shares: controls found by their program
// names, and the two fonts the windows were designed with.
#pragma once

#include <QFont>
#include <QString>

template <class Control> Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A control named and put where the window's design puts it.
template <class Control> Control* Place(Control* control, const char* name, int left, int top, int width, int height)
{
    Named(control, name)->setGeometry(left, top, width, height);
    return control;
}

// Times New Roman, 15 pixels: the main window and the dialogs.
QFont DesignedWindowFont();
// MS Sans Serif, 13 pixels: the declaration viewer and the header path window.
QFont DesignedSmallFont();
