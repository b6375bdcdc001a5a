// What a lookup reads: the headers and prefixes given on the command line
// alone; else the built-in catalogue, with the headers selected in the
// settings (and their selected prefixes, or the program's first ones) added
// to it. vantrel-lookup and the window's Lookup both read through it, so
// they answer alike.
#pragma once

#include "catalogue/LoadCodes.h"
#include "settings/TSettings.h"
#include "text/TStringsStorage.h"

#include <string>
#include <vector>

class LookupSources {
public:
    LookupSources(const TSettings::tagErrorsOptions& stored, const std::vector<std::string>& headers,
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
