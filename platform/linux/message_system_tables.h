// The system's message table on Linux: the one in Wine's kernelbase.dll.
#pragma once

#include "platform/message_table_set.h"

#include <span>

// Where kernelbase.dll is looked for, in this order; the first file that
// yields a message table is used.
std::span<const char* const> SystemMessageDllPaths();

// Read on first use, once per process, and kept; safe to call from any
// thread. Empty when no file on the search path has a usable table.
const MessageTableSet& SystemMessageTables();
