// Which headers and prefixes vantrel-lookup reads: those given on the command
// line, else those selected in the settings file, else mingw-w64's winerror.h
// with the prefixes the program starts with.
#pragma once

#include "catalogue/LoadCodes.h"
#include "text/TStringsStorage.h"

#include <string>
#include <vector>

struct LookupPlaces {
    std::string SettingsFile;   // read, never written
    std::string FallbackHeader; // when no header is selected or found
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

    // What the user should know about the choice, one line each.
    std::vector<std::string> Notes;
    // Not empty when there is no header to read: what to pass instead.
    std::string Problem;

private:
    void Take(TStringsStorage& list, std::vector<BYTE>& flags, const std::string& text);

    TStringsStorage headers_;
    std::vector<BYTE> headerFlags_;
    TStringsStorage prefixes_;
    std::vector<BYTE> prefixFlags_;
};
