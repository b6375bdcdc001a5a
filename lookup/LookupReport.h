// Everything the lookup tells about one term: for a value its parts, every
// definition with that value and with its Win32 or HRESULT counterpart, and
// the system's message; for a name its definitions, and all that for each of
// their values.
#pragma once

#include "CodeIndex.h"
#include "CodeParts.h"
#include "LookupTerm.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The system's message text for a code; empty when it has none.
using MessageLookup = std::function<std::string(DWORD code)>;

struct ValueReport {
    DWORD Value = 0;
    HResultParts HResult{};
    std::optional<NtStatusParts> NtStatus;
    std::vector<const Definition*> Definitions;
    // The Win32 code of an HRESULT 0x8007xxxx, or the HRESULT form of a
    // Win32 code, with its definitions.
    std::optional<DWORD> Win32Code;
    std::optional<DWORD> HResultForm;
    std::vector<const Definition*> CounterpartDefinitions;
    std::string Message;

    // Something is known of the value beyond its parts.
    bool Known() const { return !Definitions.empty() || !CounterpartDefinitions.empty() || !Message.empty(); }
};

ValueReport ReportValue(const CodeIndex& index, DWORD value, const MessageLookup& messageOf);

struct TermReport {
    std::string Term;
    LookupTerm Read;
    // A name: every definition found, in header and line order.
    std::vector<const Definition*> Matches;
    // A value: its one report. A name: one for each value among the matches,
    // in the order the values first appear, so that a name defined many
    // times over with one value is reported once, not once a definition.
    std::vector<ValueReport> Values;
    // Beside Values, for a name: the matches that have that value.
    std::vector<std::vector<const Definition*>> MatchesByValue;

    bool Found() const;
};

struct LookupOptions {
    bool AllHex = false;    // every number-like term is hexadecimal
    bool Substring = false; // a name finds the names that contain it
};

TermReport ReportTerm(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                      const MessageLookup& messageOf);
