// What the window's Lookup shows for the text typed or pasted into its box.
// One term gets the report vantrel-lookup prints for it. A text that is no
// term found, a line copied from a log most often, gets the report on each
// code the log rules (LogCodes.h) find in it, in the order they stand, each
// once. Beside the text go the lines that name a definition, so that the
// window can lead from such a line to the code list's row.
#pragma once

#include "catalogue/CodeList.h"
#include "lookup/CodeIndex.h"
#include "lookup/ValueReport.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a definition stands: what a row of the code list shows of it. A
// copy, so that it outlives the index it came from.
struct DefinitionPlace {
    std::string Name;
    std::string Header;
    std::uint64_t Line = 0;
};

struct ShownDefinition {
    std::size_t TextLine = 0; // from 0
    DefinitionPlace Place;
};

struct TypedReport {
    std::string Text;                         // UTF-8, each line ending in LF
    std::vector<ShownDefinition> Definitions; // in text order
    bool Found = false;                       // some term or code is defined
};

TypedReport ReportTyped(const CodeIndex& index, std::string_view typed, const MessageLookup& messageOf);

// The row of rows that is the definition at place: the same mnemonic, header
// and line.
std::optional<std::size_t> RowOfDefinition(const CodeList& rows, const DefinitionPlace& place);
