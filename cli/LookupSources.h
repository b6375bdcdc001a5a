// What vantrel-lookup reads: the headers and prefixes given on the command
// line alone; else the built-in catalogue, with the headers selected in the
// settings file (and its selected prefixes, or the program's first ones)
// added to it.
#pragma once

#include "catalogue/LoadCodes.h"
#include "text/TStringsStorage.h"

#include <string>
#include <vector>

struct LookupPlaces {
    std::string SettingsFile; // read, never written; empty for none
    int Input = 0;            // the descriptor --annotate reads as standard input
};

// Where the installed program finds them.
LookupPlaces InstalledLookupPlaces();

class LookupSources {
public:
    LookupSources(const LookupPlaces& places, const std::vector<std::string>& headers,
                  const std::vector<std::string>& prefixes);
    LookupSources(const LookupSources&) = delete;
    LookupSources& operator=(const LookupSources&) = delete;

    // For LoadCodes; every entry is selected.
    CodeLists Lists() const;
    const TStringsStorage& Prefixes() const { return prefixes_; }
    const BYTE* PrefixSelected() const { return prefixFlags_.data(); }
    // False when --header replaced it.
    bool BuiltIn() const { return builtIn; }

    // What the user should know about the choice, one line each.
    std::vector<std::string> Notes;

private:
    void Take(TStringsStorage& list, std::vector<BYTE>& flags, const std::string& text);

    bool builtIn = true;
    TStringsStorage headers_;
    std::vector<BYTE> headerFlags_;
    TStringsStorage prefixes_;
    std::vector<BYTE> prefixFlags_;
};
