// The rules of the action list that need no window: which codes it refuses
// and how one of its rows is found again in the code list.
#pragma once

#include "catalogue/CodeEntry.h"
#include "output/CodeRowSource.h"

#include <string>

// True when list already holds a row with this mnemonic in any letter case;
// the action list then ignores the code silently.
bool IsMnemonicListed(const CodeRowSource& list, const std::string& mnemonic);

// The index of the first row of list that is the same code as row: equal
// caption and sub-items Code to LineOffset, compared byte by byte. The line
// length is left out. -1 when there is none or either is absent.
int FindSameEntry(const CodeEntry* row, const CodeRowSource* list);
