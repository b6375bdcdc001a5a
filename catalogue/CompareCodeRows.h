// The order of the rows of the code list and the action list when a column
// header is clicked.
#pragma once

#include "CodeEntry.h"

// Negative when first goes before second, positive when after, 0 when their
// keys are equal. column is the clicked column's index minus one: -1 (or any
// value past the sub-items) sorts by the caption, 1 and 4 by their sub-item
// as text (lstrcmpA), every other sub-item as a number.
int CompareCodeRows(const CodeEntry& first, const CodeEntry& second, int column, bool ascending);
