#include "lookup/LookupSources.h"

#include "platform/win32.h"

namespace {

bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> Selected(const TStringsStorage& list, const BYTE* flags)
{
    std::vector<std::string> texts;
    for (LONG i = 0; flags != nullptr && i < list.Count(); ++i) {
        if (flags[i] != 0)
            texts.emplace_back(list.Text(i));
    }
    return texts;
}

} // namespace

void LookupSources::Take(TStringsStorage& list, std::vector<BYTE>& flags, const std::string& text)
{
    // The list keeps no empty text; its flags follow what it kept.
    const LONG before = list.Count();
    list.Add(text.c_str());
    if (list.Count() != before)
        flags.push_back(1);
}

LookupSources::LookupSources(const TSettings::tagErrorsOptions& stored, const std::vector<std::string>& headers,
                             const std::vector<std::string>& prefixes)
{
    builtIn = headers.empty();
    std::vector<std::string> headerPaths = headers;
    if (builtIn) {
        // A selected header that is gone leaves the catalogue to answer;
        // the window would fail to load it, so it is only mentioned.
        for (const std::string& path : Selected(stored.Headers, stored.HeaderSelected)) {
            if (IsFile(path))
                headerPaths.push_back(path);
            else
                Notes.push_back("the selected header " + path + " is not found; it is left out");
        }
    }
    for (const std::string& path : headerPaths)
        Take(headers_, headerFlags_, path);

    std::vector<std::string> prefixTexts = prefixes;
    if (prefixTexts.empty())
        prefixTexts = Selected(stored.Prefixes, stored.PrefixSelected);
    if (prefixTexts.empty()) {
        const TSettings defaults(nullptr);
        for (LONG i = 0; i < defaults.ErrorsOptions.Prefixes.Count(); ++i)
            prefixTexts.emplace_back(defaults.ErrorsOptions.Prefixes.Text(i));
    }
    for (const std::string& prefix : prefixTexts)
        Take(prefixes_, prefixFlags_, prefix);
}

CodeLists LookupSources::Lists() const
{
    return CodeLists{headers_, headerFlags_.empty() ? nullptr : headerFlags_.data(), prefixes_,
                     prefixFlags_.empty() ? nullptr : prefixFlags_.data()};
}
