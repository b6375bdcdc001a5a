// The values and names of a CodeIndex, as the search of a log for codes
// asks for them: once for each candidate word of every line, so they are
// looked up by hashing rather than by the index's searches.
#pragma once

#include "lookup/CodeIndex.h"
#include "lookup/LogCodes.h"

#include <string_view>
#include <unordered_set>

class IndexVocabulary final : public LogCodeVocabulary {
public:
    // The index must outlive the vocabulary.
    explicit IndexVocabulary(const CodeIndex& index);

    bool Defined(DWORD value) const override;
    bool Named(std::string_view name) const override;

private:
    std::unordered_set<DWORD> values;
    std::unordered_set<std::string_view> names;
};
