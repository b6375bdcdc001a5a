// The desktop's clipboard behind the program's plain-text clipboard: on X11
// the CLIPBOARD selection (the one Ctrl+C and Ctrl+V use), its text converted
// from and to the program's code page. Line ends are kept as they are.
#pragma once

#include "output/Clipboard.h"
#include "widgets/seams/Seam.h"

template <> Clipboard& Seam<Clipboard>::Default();
