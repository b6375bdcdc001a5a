// The notification-area icon of the program, on the desktop's tray.
#pragma once

#include "widgets/seams/Seam.h"
#include "widgets/TrayLogic.h"

template <> TrayShell& Seam<TrayShell>::Default();
