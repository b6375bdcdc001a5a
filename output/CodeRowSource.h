// Read access to the rows of a list of codes. The list controls are the only
// store of rows, so the rules over rows read them through this instead of a
// copy; the window binds it to the code list or the action list.
#pragma once

#include "catalogue/CodeEntry.h"

#include <string>

class CodeRowSource {
public:
    virtual ~CodeRowSource() = default;

    virtual int RowCount() const = 0;
    // For 0 <= index < RowCount().
    virtual CodeEntry Row(int index) const = 0;
    virtual std::string Mnemonic(int index) const { return Row(index).Mnemonic; }
};
