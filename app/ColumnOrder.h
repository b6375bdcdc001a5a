// The order of a list's rows after a click on one of its columns.
#pragma once

#include "catalogue/CodeEntry.h"

#include <cstddef>
#include <span>
#include <vector>

// The positions of rows, first to last, in the order CompareCodeRows gives
// for column and ascending; rows whose keys are equal keep their order. A
// numeric key is read once per row instead of at every comparison, which
// makes a large list sort many times faster.
std::vector<std::size_t> ColumnOrder(std::span<const CodeEntry> rows, int column, bool ascending);
