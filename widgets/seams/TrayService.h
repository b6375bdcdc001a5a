// The notification-area icon of the program, on the desktop's tray.
#pragma once

#include "app/TrayLogic.h"
#include "app/seams/Seam.h"

template <>
TrayShell& Seam<TrayShell>::Default();
