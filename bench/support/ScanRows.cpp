#include "ScanRows.h"

#include "catalogue/ScanHeader.h"

#include <utility>

std::vector<CodeEntry> ScanRows(const Workload& w)
{
    const SelectedList prefixes(w.Prefixes);
    std::vector<CodeEntry> rows;
    const CodeSink sink = [&rows](CodeEntry&& row) { rows.push_back(std::move(row)); };
    for (const std::string& path : w.Headers)
        ScanHeader(path.c_str(), prefixes.List, prefixes.Selected(), sink);
    return rows;
}
