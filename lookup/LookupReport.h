// Everything the lookup tells about one term: for a value its parts, every
// definition with that value and with its Win32 or HRESULT counterpart, and
// the system's message; for a name each of its definitions with all that.
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
    // A value: one report. A name: one for each definition found, beside it.
    std::vector<const Definition*> Matches;
    std::vector<ValueReport> Values;

    bool Found() const;
};

struct LookupOptions {
    bool AllHex = false;    // every number-like term is hexadecimal
    bool Substring = false; // a name finds the names that contain it
};

TermReport ReportTerm(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                      const MessageLookup& messageOf);
