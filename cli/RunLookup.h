// The whole of vantrel-lookup but the process around it, so that it runs
// inside tests with their own files and message texts.
#pragma once

#include "cli/LookupPlaces.h"
#include "lookup/LookupReport.h"

#include <ostream>
#include <string>
#include <vector>

constexpr int kLookupFound = 0;
constexpr int kLookupNotFound = 1;
constexpr int kLookupFailed = 2; // a bad command line, a header that cannot be read, or output lost

// args without the program's name; messageIn gives the texts of one
// language (--lang, --text). Returns the exit status.
int RunLookup(const std::vector<std::string>& args, const LookupPlaces& places, const MessageLookup& messageOf,
              std::ostream& out, std::ostream& err, const LanguageMessageLookup& messageIn = nullptr);
