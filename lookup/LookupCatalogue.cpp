#include "lookup/LookupCatalogue.h"

#include "catalogue/LoadCodes.h"
#include "catalogue/PrefixSet.h"
#include "lookup/LookupSources.h"

namespace {

// The headers and prefixes read, in order, an empty text between the two
// lists: what decides the catalogue.
std::vector<std::string> Selection(const LookupSources& sources)
{
    const CodeLists lists = sources.Lists();
    std::vector<std::string> texts;
    for (LONG i = 0; i < lists.Headers.Count(); ++i)
        texts.emplace_back(lists.Headers.Text(i));
    texts.emplace_back();
    for (LONG i = 0; i < lists.Prefixes.Count(); ++i)
        texts.emplace_back(lists.Prefixes.Text(i));
    return texts;
}

} // namespace

LookupCatalogue::LookupCatalogue(const TSettings::tagErrorsOptions& stored)
{
    const LookupSources sources(stored, {}, {});
    selection = Selection(sources);
    const LoadedCodes loaded = LoadCodes(sources.Lists());
    index = std::make_unique<CodeIndex>(loaded.Rows, PrefixSet(sources.Prefixes(), sources.PrefixSelected()),
                                        sources.BuiltIn());
}

bool LookupCatalogue::Follows(const TSettings::tagErrorsOptions& stored) const
{
    return Selection(LookupSources(stored, {}, {})) == selection;
}
