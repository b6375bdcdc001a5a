// The order of the rows of the code list and the action list when a column
// header is clicked.
#pragma once

#include "CodeEntry.h"

#include <cstdint>
#include <string_view>

// Negative when first goes before second, positive when after, 0 when their
// keys are equal. column is the clicked column's index minus one: -1 (or any
// value past the sub-items) sorts by the caption, 1 and 4 by their sub-item
// as text (lstrcmpA), every other sub-item as a number.
int CompareCodeRows(const CodeEntry& first, const CodeEntry& second, int column, bool ascending);

// The number a numeric column sorts by: the text's leading integer, an
// optional minus sign and the digits after it, read no further than 2^59.
std::int64_t SortNumber(std::string_view text);
