// The codes the window's Lookup answers from: the built-in catalogue and the
// headers the settings select, as vantrel-lookup reads them without
// --header. Loading and indexing them takes far longer than a lookup, so
// they are kept while the selection stays the same.
#pragma once

#include "lookup/CodeIndex.h"
#include "settings/TSettings.h"

#include <memory>
#include <string>
#include <vector>

class LookupCatalogue {
public:
    explicit LookupCatalogue(const TSettings::tagErrorsOptions& stored);
    LookupCatalogue(const LookupCatalogue&) = delete;
    LookupCatalogue& operator=(const LookupCatalogue&) = delete;

    const CodeIndex& Index() const { return *index; }
    // Whether stored selects what this catalogue was made from.
    bool Follows(const TSettings::tagErrorsOptions& stored) const;

private:
    std::vector<std::string> selection;
    std::unique_ptr<CodeIndex> index;
};
