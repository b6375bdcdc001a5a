// vantrel-lookup's plain output: the blocks a person reads, and the scan's
// tab-separated rows for other programs.
#pragma once

#include "catalogue/CodeTable.h"
#include "lookup/LookupReport.h"

#include <ostream>

void PrintTermReport(std::ostream& out, const TermReport& report);
// One line per row: the code list's fields in column order, then the byte
// offset and the length of the declaring line.
void PrintScanRows(std::ostream& out, const CodeTable& rows);
// A system message as lines ending in LF.
void PrintMessage(std::ostream& out, const std::string& message);
