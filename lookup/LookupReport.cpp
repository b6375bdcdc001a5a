#include "LookupReport.h"

#include <unordered_map>

ValueReport ReportValue(const CodeIndex& index, DWORD value, const MessageLookup& messageOf)
{
    ValueReport report;
    report.Value = value;
    report.HResult = HResultPartsOf(value);
    report.NtStatus = NtStatusPartsOf(value);
    report.Definitions = index.WithValue(value);
    report.Win32Code = Win32CodeOfHResult(value);
    report.HResultForm = HResultOfWin32Code(value);
    if (report.Win32Code)
        report.CounterpartDefinitions = index.WithValue(*report.Win32Code);
    else if (report.HResultForm)
        report.CounterpartDefinitions = index.WithValue(*report.HResultForm);
    if (messageOf)
        report.Message = messageOf(value);
    return report;
}

bool TermReport::Found() const
{
    if (Read.Type == LookupTerm::Kind::Name)
        return !Matches.empty();
    return !Values.empty() && Values.front().Known();
}

TermReport ReportTerm(const CodeIndex& index, std::string_view term, const LookupOptions& options,
                      const MessageLookup& messageOf)
{
    TermReport report{std::string(term), ReadLookupTerm(term, options.AllHex), {}, {}, {}};
    if (report.Read.Type == LookupTerm::Kind::Value) {
        report.Values.push_back(ReportValue(index, report.Read.Value, messageOf));
        return report;
    }
    report.Matches = options.Substring ? index.NamesContaining(report.Read.Name) : index.Named(report.Read.Name);
    std::unordered_map<DWORD, std::size_t> group;
    for (const Definition* match : report.Matches) {
        const auto [place, added] = group.try_emplace(match->Value, report.Values.size());
        if (added) {
            report.Values.push_back(ReportValue(index, match->Value, messageOf));
            report.MatchesByValue.emplace_back();
        }
        report.MatchesByValue[place->second].push_back(match);
    }
    return report;
}
