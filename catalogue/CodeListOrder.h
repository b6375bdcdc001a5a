// The order of a list's rows after a click on one of its columns.
#pragma once

#include "CodeList.h"

#include <cstddef>
#include <vector>

// The positions of rows, first to last, in the order CompareCodeRows gives
// for column and ascending; rows whose keys are equal keep their order. Each
// row's key is found once per sort: its number, or the rank of its text
// among the texts of the column, so a comparison is one of two integers
// (the mnemonics aside, which are nearly all different).
std::vector<std::size_t> ColumnOrder(const CodeList& rows, int column, bool ascending);
