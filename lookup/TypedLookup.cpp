#include "lookup/TypedLookup.h"

#include "lookup/IndexVocabulary.h"
#include "lookup/LogCodeReports.h"
#include "lookup/LogCodes.h"
#include "lookup/ReportText.h"

#include <algorithm>
#include <set>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reports one after another, a blank line between two, as vantrel-lookup
// prints its terms.
class ReportJoiner {
public:
    void Add(const TermReport& report)
    {
        std::vector<DefinitionMark> marks;
        const std::string text = TermReportText(report, marks);
        if (text.empty())
            return;
        if (!result.Text.empty()) {
            result.Text += '\n';
            ++lines;
        }
        std::size_t counted = 0;
        for (const DefinitionMark& mark : marks) {
            lines += Lines(text, counted, mark.Offset);
            counted = mark.Offset;
            const Definition& d = *mark.Found;
            result.Definitions.push_back({lines, {std::string(d.Name), std::string(d.Header), d.Line}});
        }
        lines += Lines(text, counted, text.size());
        result.Text += text;
        result.Found = result.Found || report.Found();
    }

    TypedReport result;

private:
    static std::size_t Lines(const std::string& text, std::size_t from, std::size_t to)
    {
        return static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                                                   text.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
    }

    std::size_t lines = 0; // in result.Text
};

// Every code the log rules find, line by line; false when there is none.
bool AddLogCodes(ReportJoiner& joiner, const CodeIndex& index, std::string_view text, const MessageLookup& messageOf)
{
    const IndexVocabulary vocabulary(index);
    const LookupOptions options;
    const LanguageMessageLookup noLanguages;
    LogCodeReports reports(index, options, messageOf, noLanguages);
    std::set<std::string> seen;
    std::vector<LogCode> codes;
    bool any = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        FindLogCodes(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line, vocabulary, codes);
        for (const LogCode& code : codes) {
            const std::string_view token = line.substr(code.Column, code.Length);
            any = true;
            if (seen.insert(std::string(token) + static_cast<char>('0' + static_cast<int>(code.Form))).second)
                joiner.Add(reports.For(code, token).Report);
        }
    }
    return any;
}

} // namespace

TypedReport ReportTyped(const CodeIndex& index, std::string_view typed, const MessageLookup& messageOf)
{
    const std::string_view text = Trimmed(typed);
    if (text.empty())
        return {};
    ReportJoiner joiner;
    const bool oneTerm = std::none_of(text.begin(), text.end(), IsBlank);
    if (oneTerm) {
        const TermReport report = ReportTerm(index, text, LookupOptions{}, messageOf);
        if (report.Found() || !AddLogCodes(joiner, index, text, messageOf))
            joiner.Add(report);
    } else {
        AddLogCodes(joiner, index, text, messageOf);
    }
    if (joiner.result.Text.empty())
        joiner.result.Text = std::string(text) + ": not found\n";
    return std::move(joiner.result);
}

std::optional<std::size_t> RowOfDefinition(const CodeList& rows, const DefinitionPlace& place)
{
    const std::string line = std::to_string(place.Line);
    FieldDigits digits;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows.Text(i, ciLine, digits) == line && rows.Text(i, ciHeader, digits) == place.Header
            && rows.Text(i, -1, digits) == place.Name)
            return i;
    }
    return std::nullopt;
}
