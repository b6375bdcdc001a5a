// Every definition of the loaded headers, for looking codes up by value and
// by name: the rows of the load, and the defines that name another code,
// resolved to its value.
#pragma once

#include "catalogue/CodeTable.h"
#include "lookup/CodeFamily.h"

#include "platform/win32_types.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class PrefixSet;

struct Definition {
    std::string_view Name;   // the built-in catalogue's, or the index's own copy
    std::string_view Header; // the index's own copy of the path
    std::uint64_t Line = 0;
    DWORD Value = 0;
    CodeFamily Family = CodeFamily::Header;
    // For a define that names another code: that name, and whether the value
    // is HRESULT_FROM_WIN32 of its value. Empty for a row of the load.
    std::string AliasOf;
    bool FromWin32 = false;

    bool Derived() const { return !AliasOf.empty(); }
};

class CodeIndex {
public:
    // The rows of a load; then the defines of the same headers, read with
    // the same prefixes, that name a code whose value is known. A header
    // that cannot be read again adds no such defines. With builtIn, the
    // built-in catalogue's codes too, after those of the load; a code that
    // the load defines with the same name and value is not repeated.
    CodeIndex(const CodeTable& rows, const PrefixSet& prefixes, bool builtIn = false);
    CodeIndex(const CodeIndex&) = delete;
    CodeIndex& operator=(const CodeIndex&) = delete;

    const std::vector<Definition>& All() const { return definitions_; }
    // In header and line order, each time.
    std::vector<const Definition*> WithValue(DWORD value) const;
    // Names equal to name but for case, as lstrcmpiA compares.
    std::vector<const Definition*> Named(const std::string& name) const;
    // Names that contain part but for case, as the Find window searches.
    std::vector<const Definition*> NamesContaining(const std::string& part) const;

private:
    struct Place {
        std::uint32_t Header;
        std::uint64_t Line;
    };
    void AddBuiltIn(std::vector<Place>& places);
    void AddAliases(const CodeTable& rows, const PrefixSet& prefixes, std::vector<Place>& places);

    // Orders positions in definitions_ against a value, for equal_range.
    struct ByValue {
        const std::vector<Definition>& definitions;
        bool operator()(std::size_t a, DWORD value) const { return definitions[a].Value < value; }
        bool operator()(DWORD value, std::size_t a) const { return value < definitions[a].Value; }
    };

    std::vector<std::string> headers_;
    // The names of loaded rows and aliases; the built-in catalogue's names
    // are not copied at all, which a one-shot lookup feels.
    std::deque<std::string> names_;
    std::vector<Definition> definitions_;
    // Positions in definitions_ by value, in header and line order within one value.
    std::vector<std::size_t> byValue_;
};
