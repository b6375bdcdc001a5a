#include "CodeIndex.h"

#include "AliasDefine.h"
#include "CodeParts.h"

#include "catalogue/HeaderLineReader.h"
#include "lookup/BuiltInCatalogue.h"
#include "lookup/CatalogueRules.h"
#include "platform/win32.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace {

struct PendingAlias {
    std::string Name;
    std::string Target;
    bool FromWin32;
    std::uint32_t Header;
    std::uint64_t Line;
};

// The alias defines of one header, in file order.
void ReadAliases(const std::string& path, std::uint32_t header, const PrefixSet& prefixes,
                 std::vector<PendingAlias>& found)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    {
        HeaderLineReader reader(file);
        HeaderLine line{};
        for (bool more = reader.Next(line); more; more = reader.NextWithHash(line)) {
            AliasDefine alias;
            if (ParseAliasLine(line.Text, line.Length, prefixes, alias))
                found.push_back(
                    {std::string(alias.Name), std::string(alias.Target), alias.FromWin32, header, line.Number});
        }
    }
    CloseHandle(file);
}

// A loaded header's code has the family the built-in catalogue gives its
// name; else, when it is one of the catalogue's headers, the family that
// header's rule gives it; else it is the header's own.
CodeFamily FamilyOfLoadedCode(std::string_view header, const std::string& name, DWORD value)
{
    static const std::unordered_map<std::string_view, CodeFamily> builtIn = [] {
        std::unordered_map<std::string_view, CodeFamily> families;
        for (const BuiltInCode& code : BuiltInCodes())
            families.emplace(BuiltInName(code), code.Family);
        return families;
    }();
    if (const auto found = builtIn.find(name); found != builtIn.end())
        return found->second;
    const std::size_t slash = header.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? header : header.substr(slash + 1);
    return CodeFamilyOfDefine(file, name, {}, value).value_or(CodeFamily::Header);
}

std::string Upper(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

CodeIndex::CodeIndex(const CodeTable& rows, const PrefixSet& prefixes, bool builtIn)
{
    // Definitions point into the paths, which must therefore never move.
    headers_.reserve(rows.HeaderCount() + (builtIn ? CatalogueHeaders().size() : 0));
    for (std::size_t h = 0; h < rows.HeaderCount(); ++h)
        headers_.push_back(rows.HeaderPath(static_cast<std::uint32_t>(h)));
    std::vector<Place> places;
    definitions_.reserve(rows.Count());
    places.reserve(rows.Count());
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        const CodeRecord& row = rows[i];
        const std::string& name = names_.emplace_back(row.Name, row.NameLength);
        const CodeFamily family = FamilyOfLoadedCode(headers_[row.Header], name, row.Value);
        definitions_.push_back(Definition{name, headers_[row.Header], row.Line, row.Value, family, {}, false});
        places.push_back({row.Header, row.Line});
    }
    if (builtIn)
        AddBuiltIn(places);
    AddAliases(rows, prefixes, places);

    // Header and line order, with the resolved aliases among the rows. The
    // built-in catalogue alone is in that order already, and a one-shot
    // lookup should not pay for sorting it.
    const auto placeBefore = [](const Place& a, const Place& b) {
        return a.Header != b.Header ? a.Header < b.Header : a.Line < b.Line;
    };
    if (!std::is_sorted(places.begin(), places.end(), placeBefore)) {
        std::vector<std::size_t> order(definitions_.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return placeBefore(places[a], places[b]); });
        std::vector<Definition> sorted;
        sorted.reserve(order.size());
        for (const std::size_t i : order)
            sorted.push_back(std::move(definitions_[i]));
        definitions_ = std::move(sorted);
    }

    // By value, and by position within one value: one key a definition.
    std::vector<std::uint64_t> keys(definitions_.size());
    for (std::size_t i = 0; i < definitions_.size(); ++i)
        keys[i] = (std::uint64_t{definitions_[i].Value} << 32) | i;
    std::sort(keys.begin(), keys.end());
    byValue_.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        byValue_[i] = static_cast<std::size_t>(keys[i] & 0xFFFFFFFFu);
}

void CodeIndex::AddBuiltIn(std::vector<Place>& places)
{
    std::unordered_set<std::string> loaded;
    for (const Definition& d : definitions_)
        loaded.insert(std::string(d.Name) + '=' + std::to_string(d.Value));
    const auto firstHeader = static_cast<std::uint32_t>(headers_.size());
    for (const std::string_view header : CatalogueHeaders())
        headers_.emplace_back(header);
    definitions_.reserve(definitions_.size() + BuiltInCodes().size());
    places.reserve(definitions_.capacity());
    for (const BuiltInCode& code : BuiltInCodes()) {
        const std::string_view name = BuiltInName(code);
        if (!loaded.empty() && loaded.count(std::string(name) + '=' + std::to_string(code.Value)) != 0)
            continue;
        const std::uint32_t header = firstHeader + code.Header;
        definitions_.push_back(Definition{name, headers_[header], code.Line, code.Value, code.Family, {}, false});
        places.push_back({header, code.Line});
    }
}

void CodeIndex::AddAliases(const CodeTable& rows, const PrefixSet& prefixes, std::vector<Place>& places)
{
    std::vector<PendingAlias> pending;
    for (std::size_t h = 0; h < rows.HeaderCount(); ++h)
        ReadAliases(rows.HeaderPath(static_cast<std::uint32_t>(h)), static_cast<std::uint32_t>(h), prefixes, pending);
    if (pending.empty())
        return;

    // A name defined more than once stands for its first definition.
    std::unordered_map<std::string_view, DWORD> known;
    for (const Definition& d : definitions_)
        known.emplace(d.Name, d.Value);
    // An alias may name another alias; each round resolves those whose
    // target became known in the one before. A cycle never resolves.
    for (bool progress = true; progress && !pending.empty();) {
        progress = false;
        for (auto it = pending.begin(); it != pending.end();) {
            const auto target = known.find(it->Target);
            if (target == known.end()) {
                ++it;
                continue;
            }
            const DWORD value = it->FromWin32 ? HResultFromWin32(target->second) : target->second;
            // The index's own copy of the name, which stays where it is.
            const std::string& name = names_.emplace_back(it->Name);
            known.emplace(name, value);
            definitions_.push_back(Definition{name, headers_[it->Header], it->Line, value,
                                              FamilyOfLoadedCode(headers_[it->Header], it->Name, value), it->Target,
                                              it->FromWin32});
            places.push_back({it->Header, it->Line});
            it = pending.erase(it);
            progress = true;
        }
    }
}

std::vector<const Definition*> CodeIndex::WithValue(DWORD value) const
{
    const auto [first, last] = std::equal_range(byValue_.begin(), byValue_.end(), value, ByValue{definitions_});
    std::vector<const Definition*> found;
    for (auto it = first; it != last; ++it)
        found.push_back(&definitions_[*it]);
    return found;
}

std::vector<const Definition*> CodeIndex::Named(const std::string& name) const
{
    std::vector<const Definition*> found;
    for (const Definition& d : definitions_) {
        // Every name the index holds has a NUL after it, as the catalogue's
        // and its own copies do.
        if (lstrcmpiA(d.Name.data(), name.c_str()) == 0)
            found.push_back(&d);
    }
    return found;
}

std::vector<const Definition*> CodeIndex::NamesContaining(const std::string& part) const
{
    const std::string key = Upper(part);
    std::vector<const Definition*> found;
    for (const Definition& d : definitions_) {
        if (!key.empty() && Upper(std::string(d.Name)).find(key) != std::string::npos)
            found.push_back(&d);
    }
    return found;
}
