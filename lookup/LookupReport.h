// Everything the lookup tells about one term: for a value its report (two,
// for a term that reads as decimal and as hexadecimal); for a name its
// definitions, and the report of each of their values.
#pragma once

#include "CodeIndex.h"
#include "LookupTerm.h"

#include "lookup/CodeFamily.h"
#include "lookup/ValueReport.h"

#include <string>
#include <string_view>
#include <vector>

struct TermReport {
    std::string Term;
    LookupTerm Read;
    // A name: every definition found, in header and line order.
    std::vector<const Definition*> Matches;
    // A value: its report. A term of eight decimal digits: the report of
    // each reading that finds a definition, the hexadecimal one first, or
    // of the hexadecimal one when neither does. A name: one for each value
    // among the matches, in the order the values first appear, so that a
    // name defined many times over with one value is reported once, not
    // once a definition.
    std::vector<ValueReport> Values;
    // Beside Values, for a name: the matches that have that value.
    std::vector<std::vector<const Definition*>> MatchesByValue;

    bool Found() const;
};

struct LookupOptions {
    bool AllHex = false;    // every number-like term is hexadecimal
    bool Substring = false; // a name finds the names that contain it
    // The families whose definitions are reported; empty for all.
    std::vector<CodeFamily> Families;
    // Languages to give each value's messages in as well (--lang), through
    // the lookup by language; empty for the user's alone.
    std::vector<MessageLanguage> Languages;
};

TermReport ReportTerm(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                      const MessageLookup& messageOf, const LanguageMessageLookup& messageIn = nullptr);
