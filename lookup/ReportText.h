// A lookup's plain text, as vantrel-lookup prints it and the window's Lookup
// shows it: the blocks a person reads, and the scan's tab-separated rows for
// other programs.
#pragma once

#include "catalogue/CodeTable.h"
#include "lookup/LookupReport.h"
#include "lookup/TextSearch.h"

#include <ostream>
#include <cstddef>
#include <string>
#include <vector>

void PrintTermReport(std::ostream& out, const TermReport& report);

// A definition the report names, and the byte offset of its line in the
// report's text.
struct DefinitionMark {
    std::size_t Offset = 0;
    const Definition* Found = nullptr;
};
// The text PrintTermReport prints, with a mark for each definition line in
// it, so that a window can tell which definition a line of it names.
std::string TermReportText(const TermReport& report, std::vector<DefinitionMark>& marks);
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
