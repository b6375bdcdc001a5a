// The system's message table on Linux: the one in Wine's kernelbase.dll.
#pragma once

#include "platform/message_table_set.h"

#include <string>
#include <string_view>
#include <vector>

// Where one of Wine's DLLs ("wininet.dll") is looked for, in this order: the
// folders of the usual Wine installations.
std::vector<std::string> WineDllPaths(std::string_view dll);

// Where kernelbase.dll is looked for, in this order; the first file that
// yields a message table is used.
std::vector<std::string> SystemMessageDllPaths();

// Read on first use, once per process, and kept; safe to call from any
// thread. Empty when no file on the search path has a usable table.
const MessageTableSet& SystemMessageTables();
