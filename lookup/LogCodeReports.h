// The lookup's report on each code found in a log. A log repeats the same
// few codes on line after line, so each token's report is made once and
// kept; the store is emptied when it grows large, so that a log of ever
// new tokens still runs in bounded memory.
#pragma once

#include "lookup/LogCodes.h"
#include "lookup/LookupReport.h"

#include <string>
#include <string_view>
#include <unordered_map>

class LogCodeReports {
public:
    // The index, the options and the lookups must outlive the reports.
    LogCodeReports(const CodeIndex& index_, const LookupOptions& options_, const MessageLookup& messageOf_,
                   const LanguageMessageLookup& messageIn_)
        : index(index_), options(options_), messageOf(messageOf_), messageIn(messageIn_)
    {
    }

    struct Entry {
        TermReport Report;
        std::string Kept; // what the caller keeps beside it (its formatted form)
    };

    // The report on code, written as token: for a number, of the value in
    // the reading the form gives; for a name, as a name term. Valid until
    // the next call.
    Entry& For(const LogCode& code, std::string_view token);

private:
    TermReport Make(const LogCode& code, std::string_view token) const;

    const CodeIndex& index;
    const LookupOptions& options;
    const MessageLookup& messageOf;
    const LanguageMessageLookup& messageIn;
    std::unordered_map<std::string, Entry> reports;
};

// "hexadecimal", "decimal" or "name".
const char* LogCodeReading(LogCodeForm form);
