#include "LookupReport.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Both readings of an eight-digit term, keeping those that find a definition.
void ReportBothReadings(TermReport& report, const CodeIndex& index, const LookupOptions& options,
                        const MessageLookup& messageOf)
{
    ValueReport hex = ReportValue(index, *report.Read.HexValue, options.Families, messageOf);
    ValueReport decimal = ReportValue(index, report.Read.Value, options.Families, messageOf);
    hex.ReadAs = TermBase::Hexadecimal;
    decimal.ReadAs = TermBase::Decimal;
    const bool decimalDefined = decimal.Defined();
    if (hex.Defined() || !decimalDefined)
        report.Values.push_back(std::move(hex));
    if (decimalDefined)
        report.Values.push_back(std::move(decimal));
}

TermReport ReportInUserLanguage(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                                const MessageLookup& messageOf)
{
    TermReport report{std::string(term), ReadLookupTerm(term, options.AllHex), {}, {}, {}};
    if (report.Read.Type == LookupTerm::Kind::Value) {
        if (report.Read.HexValue)
            ReportBothReadings(report, index, options, messageOf);
        else
            report.Values.push_back(ReportValue(index, report.Read.Value, options.Families, messageOf));
        return report;
    }
    report.Matches = Admitted(
        options.Substring ? index.NamesContaining(report.Read.Name) : index.Named(report.Read.Name), options.Families);
    std::unordered_map<DWORD, std::size_t> group;
    for (const Definition* match : report.Matches) {
        const auto [place, added] = group.try_emplace(match->Value, report.Values.size());
        if (added) {
            report.Values.push_back(ReportValue(index, match->Value, options.Families, messageOf));
            report.MatchesByValue.emplace_back();
        }
        report.MatchesByValue[place->second].push_back(match);
    }
    return report;
}

} // namespace

bool TermReport::Found() const
{
    if (Read.Type == LookupTerm::Kind::Name)
        return !Matches.empty();
    return std::any_of(Values.begin(), Values.end(), [](const ValueReport& v) { return v.Known(); });
}

TermReport ReportTerm(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                      const MessageLookup& messageOf, const LanguageMessageLookup& messageIn)
{
    TermReport report = ReportInUserLanguage(index, term, options, messageOf);
    if (!options.Languages.empty()) {
        for (ValueReport& value : report.Values)
            AddLanguageMessages(value, options.Languages, messageIn);
    }
    return report;
}
