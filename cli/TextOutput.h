// vantrel-lookup's plain output: the blocks a person reads, and the scan's
// tab-separated rows for other programs.
#pragma once

#include "catalogue/CodeTable.h"
#include "lookup/LookupReport.h"
#include "lookup/TextSearch.h"

#include <ostream>
#include <string>

void PrintTermReport(std::ostream& out, const TermReport& report);
// One line per row: the code list's fields in column order, then the byte
// offset and the length of the declaring line.
void PrintScanRows(std::ostream& out, const CodeTable& rows);
// The line under a log's line for one code it holds (--annotate), line end
// included: the token, its names, families and message, indented.
std::string AnnotationLine(const TermReport& report);
// The codes --text found, each on a line (name, value, family, header and
// line) with its message under it, or its message in each --lang language.
void PrintTextMatches(std::ostream& out, const std::vector<TextMatch>& matches, const MessageLookup& messageOf,
                      const LookupOptions& options, const LanguageMessageLookup& messageIn);
// A system message as lines ending in LF.
void PrintMessage(std::ostream& out, const std::string& message);
