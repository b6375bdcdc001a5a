#include "ScanRows.h"

#include "catalogue/ScanHeader.h"

CodeTable ScanTable(const Workload& w)
{
    const SelectedList prefixes(w.Prefixes);
    CodeTable rows;
    for (const std::string& path : w.Headers)
        ScanHeader(path.c_str(), prefixes.List, prefixes.Selected(), rows);
    return rows;
}
