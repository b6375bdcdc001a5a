// The system's beep setting, which the program switches off while it is
// the active application. A setting is an opaque number; 0 is "off".
#pragma once

#include "widgets/seams/Seam.h"

class SystemBeep {
public:
    virtual ~SystemBeep() = default;
    virtual int Current() = 0;
    virtual void Set(int setting) = 0;
};

template <> SystemBeep& Seam<SystemBeep>::Default();
