// The command line of vantrel-lookup.
#pragma once

#include "lookup/LookupReport.h"

#include <optional>
#include <string>
#include <vector>

struct LookupArguments {
    enum class Mode { Lookup, Scan, Message, Annotate, Text, Help, Version };
    Mode Run = Mode::Lookup;
    LookupOptions Options;
    bool Json = false;
    std::vector<std::string> Headers;  // --header, in order; empty: the settings'
    std::vector<std::string> Prefixes; // --prefix, in order; empty: the settings'
    std::string MessageCode;           // --message
    std::string TextWords;             // --text
    std::vector<std::string> Terms;    // with --annotate, the files (- for standard input)
};

// Nothing, with problem set, for a command line that cannot be run.
std::optional<LookupArguments> ReadLookupArguments(const std::vector<std::string>& args, std::string& problem);
// Whether --json is among the options, for a command line that
// ReadLookupArguments refuses: its error is then given as JSON as well.
bool AsksForJson(const std::vector<std::string>& args);

extern const char* const kLookupUsage;
