// vantrel-lookup --annotate: a log's text passed through, with the codes
// found in each line reported under it (or, with --json, one JSON object
// per code, one a line).
#pragma once

#include "cli/LookupArguments.h"
#include "lookup/CodeIndex.h"

#include <ostream>

// Reads each of the arguments' files in turn (standard input, the
// descriptor input, for "-" or when there is none). Returns the exit
// status: 0 when every file was read, 2 when one could not be (it is named
// on err, and the others are still read) or the output failed.
int RunAnnotate(const LookupArguments& arguments, const CodeIndex& index, const MessageLookup& messageOf,
                const LanguageMessageLookup& messageIn, int input, std::ostream& out, std::ostream& err);
