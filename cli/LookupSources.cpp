#include "cli/LookupSources.h"

#include "platform/win32.h"
#include "settings/TSettings.h"

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

LookupSources::LookupSources(const LookupPlaces& places, const std::vector<std::string>& headers,
                             const std::vector<std::string>& prefixes)
{
    const TSettings settings(places.SettingsFile.c_str());
    const TSettings::tagErrorsOptions& stored = settings.ErrorsOptions;
    // A file that is not there selects nothing; saying so points the user at
    // the settings folder rather than at a selection to change.
    const bool settingsExist = GetFileAttributesA(places.SettingsFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    const auto nothingFrom = [&](const char* why) {
        return settingsExist ? why + places.SettingsFile : places.SettingsFile + " does not exist";
    };

    std::vector<std::string> headerPaths = headers;
    if (headerPaths.empty()) {
        headerPaths = Selected(stored.Headers, stored.HeaderSelected);
        bool anyFound = false;
        for (const std::string& path : headerPaths)
            anyFound = anyFound || IsFile(path);
        if (!anyFound) {
            const std::string why = nothingFrom(headerPaths.empty() ? "no header is selected in "
                                                                    : "no selected header is found from ");
            if (!IsFile(places.FallbackHeader)) {
                Problem = why + ", and " + places.FallbackHeader +
                          " is missing: pass --header FILE (a winerror.h, such as the one Debian's package "
                          "mingw-w64-common installs as " + places.FallbackHeader + ")";
                return;
            }
            Notes.push_back(why + "; reading " + places.FallbackHeader);
            headerPaths = {places.FallbackHeader};
        }
    }
    for (const std::string& path : headerPaths)
        Take(headers_, headerFlags_, path);

    std::vector<std::string> prefixTexts = prefixes;
    if (prefixTexts.empty()) {
        prefixTexts = Selected(stored.Prefixes, stored.PrefixSelected);
        if (prefixTexts.empty()) {
            const TSettings defaults(nullptr);
            for (LONG i = 0; i < defaults.ErrorsOptions.Prefixes.Count(); ++i)
                prefixTexts.emplace_back(defaults.ErrorsOptions.Prefixes.Text(i));
            Notes.push_back(nothingFrom("no prefix is selected in ") + "; taking the " +
                            std::to_string(prefixTexts.size()) + " default prefixes");
        }
    }
    for (const std::string& prefix : prefixTexts)
        Take(prefixes_, prefixFlags_, prefix);
}

CodeLists LookupSources::Lists() const
{
    return CodeLists{headers_, headerFlags_.empty() ? nullptr : headerFlags_.data(), prefixes_,
                     prefixFlags_.empty() ? nullptr : prefixFlags_.data()};
}
