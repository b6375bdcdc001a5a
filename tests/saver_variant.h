// Settings that differ in size and content from one variant number to the
// next, so a file on disk tells which save it came from, and a file mixed
// from two saves matches none.
#pragma once

#include "settings/TSettings.h"

#include <string>

inline void MakeVariant(TSettings& settings, int variant)
{
    settings.SetDefaults();
    for (int i = 0; i <= variant * 3; ++i) {
        const std::string header = "C:\\Include\\variant" + std::to_string(variant) + "\\" + std::string(i % 7 + 1, 'h')
                                   + std::to_string(i) + ".h";
        settings.ErrorsOptions.AddHeader(header.c_str());
    }
    settings.GeneralOptions.EscapeAction = variant;
    settings.CopyOptions.CopyCode = static_cast<BYTE>(variant & 1);
}
