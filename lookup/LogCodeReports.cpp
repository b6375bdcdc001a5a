#include "lookup/LogCodeReports.h"

namespace {

// Far more distinct tokens than a real log holds.
constexpr std::size_t MostKeptReports = 4096;

} // namespace

LogCodeReports::Entry& LogCodeReports::For(const LogCode& code, std::string_view token)
{
    std::string key(token);
    key += static_cast<char>('0' + static_cast<int>(code.Form));
    if (const auto found = reports.find(key); found != reports.end())
        return found->second;
    if (reports.size() >= MostKeptReports)
        reports.clear();
    return reports.emplace(std::move(key), Entry{Make(code, token), {}}).first->second;
}

TermReport LogCodeReports::Make(const LogCode& code, std::string_view token) const
{
    if (code.Form == LogCodeForm::Name)
        return ReportTerm(index, token, options, messageOf, messageIn);
    TermReport report{
        std::string(token), LookupTerm{LookupTerm::Kind::Value, code.Value, {}, std::nullopt}, {}, {}, {}};
    ValueReport value = ReportValue(index, code.Value, options.Families, messageOf);
    if (code.Form == LogCodeForm::BareHexadecimal)
        value.ReadAs = TermBase::Hexadecimal;
    if (!options.Languages.empty())
        AddLanguageMessages(value, options.Languages, messageIn);
    report.Values.push_back(std::move(value));
    return report;
}

const char* LogCodeReading(LogCodeForm form)
{
    switch (form) {
    case LogCodeForm::Hexadecimal:
    case LogCodeForm::BareHexadecimal: return "hexadecimal";
    case LogCodeForm::Decimal: return "decimal";
    case LogCodeForm::Name: return "name";
    }
    return "name";
}
