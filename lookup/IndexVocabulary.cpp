#include "lookup/IndexVocabulary.h"

IndexVocabulary::IndexVocabulary(const CodeIndex& index)
{
    values.reserve(index.All().size());
    names.reserve(index.All().size());
    for (const Definition& d : index.All()) {
        values.insert(d.Value);
        names.insert(d.Name);
    }
}

bool IndexVocabulary::Defined(DWORD value) const
{
    return values.count(value) != 0;
}

bool IndexVocabulary::Named(std::string_view name) const
{
    return names.count(name) != 0;
}
