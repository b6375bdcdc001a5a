// The program's pictures: the window icon, the tool-button pictures and the
// five small images of ilTrayIcons.
#pragma once

#include <QIcon>

QIcon AppIcon();

// A tool-button picture from its name, with its greyed picture for the
// disabled state where one was drawn.
QIcon ToolPicture(const char* name);

// Image i (0 to 4) of ilTrayIcons: E, S, I, W, E.
QIcon TrayImage(int index);
