#include "lookup/TextSearch.h"

#include "platform/ntstatus_win32.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerText(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n", i);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        words.push_back(LowerText(text.substr(start, end - start)));
        i = end;
    }
    return words;
}

bool HoldsEvery(const std::string& lowerText, const std::vector<std::string>& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&](const std::string& word) { return lowerText.find(word) != std::string::npos; });
}

// The texts of one value in one family, each language's, in lower case.
class Texts {
public:
    Texts(std::span<const std::uint16_t> languages_, const LanguageMessageLookup& messageIn_)
        : languages(languages_), messageIn(messageIn_)
    {
    }

    bool AnyHoldsEvery(DWORD value, CodeFamily family, const std::vector<std::string>& words)
    {
        const auto key = std::make_pair(value, family);
        auto found = known.find(key);
        if (found == known.end())
            found = known.emplace(key, Read(value, family)).first;
        return std::any_of(found->second.begin(), found->second.end(),
                           [&](const std::string& text) { return HoldsEvery(text, words); });
    }

private:
    std::vector<std::string> Read(DWORD value, CodeFamily family) const
    {
        std::vector<std::string> texts;
        if (!messageIn)
            return texts;
        if (family == CodeFamily::NtStatus) {
            const std::optional<DWORD> win32 = Win32CodeOfNtStatus(value);
            if (!win32)
                return texts;
            value = *win32;
            family = CodeFamily::Win32;
        }
        for (const std::uint16_t language : languages)
            texts.push_back(LowerText(messageIn(value, family, language)));
        return texts;
    }

    std::span<const std::uint16_t> languages;
    const LanguageMessageLookup& messageIn;
    std::map<std::pair<DWORD, CodeFamily>, std::vector<std::string>> known;
};

} // namespace

std::vector<TextMatch> FindCodesByText(const CodeIndex& index, std::string_view words,
                                       std::span<const std::uint16_t> languages, std::span<const CodeFamily> families,
                                       const LanguageMessageLookup& messageIn)
{
    const std::vector<std::string> wanted = Words(words);
    std::vector<TextMatch> matches;
    if (wanted.empty())
        return matches;
    Texts texts(languages, messageIn);
    for (const Definition& d : index.All()) {
        if (!FamilyAdmitted(families, d.Family))
            continue;
        TextMatch match{&d, HoldsEvery(LowerText(d.Name), wanted), texts.AnyHoldsEvery(d.Value, d.Family, wanted)};
        if (match.ByName || match.ByText)
            matches.push_back(match);
    }
    return matches;
}
