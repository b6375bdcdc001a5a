// The Load command without its window: which headers are selected, the
// refusals when nothing is, the scan of each header in list order, and the
// headers that failed. The main window and the command-line lookup both load
// through it.
#pragma once

#include "CodeTable.h"

#include "platform/win32_types.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TStringsStorage;

enum class LoadRefusal {
    None,
    NoHeaders,  // no header is selected (an empty list included)
    NoPrefixes, // headers are, but no prefix is
};

struct FailedHeader {
    std::string Path;
    // True when no file is at the path (a folder counts as none): "not
    // found" rather than "unable to load".
    bool Missing = false;
    // The system's code that says why; never 0.
    DWORD Error = 0;
};

struct LoadedCodes {
    LoadRefusal Refusal = LoadRefusal::None;
    CodeTable Rows;                // every row, in header and file order
    std::size_t LoadedHeaders = 0; // headers scanned to their end
    std::vector<FailedHeader> Failed;
};

struct CodeLists {
    const TStringsStorage& Headers;
    const BYTE* HeaderSelected; // one flag per header; may be null when empty
    const TStringsStorage& Prefixes;
    const BYTE* PrefixSelected;
};

// Each header that fails is also handed to onFailure, if given, before the
// next one is scanned, so a window can tell the user at once. A header that
// fails adds no rows. With a refusal nothing is scanned.
LoadedCodes LoadCodes(const CodeLists& lists, const std::function<void(const FailedHeader&)>& onFailure = {});
