#include "lookup/ReportText.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeValue.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr const char* Indent = "            ";

// The stream slot that holds the marks of TermReportText while it prints;
// empty for every other stream, so printing to them is unchanged.
int MarksSlot()
{
    static const int slot = std::ios_base::xalloc();
    return slot;
}

// The message's lines with LF ends, the last line end dropped.
std::string MessageLines(const std::string& message)
{
    std::string lines;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            continue;
        lines += message[i];
    }
    while (!lines.empty() && (lines.back() == '\n' || lines.back() == '\r'))
        lines.pop_back();
    return lines;
}

void PrintDefinition(std::ostream& out, const Definition& d)
{
    if (auto* marks = static_cast<std::vector<DefinitionMark>*>(out.pword(MarksSlot())))
        marks->push_back({static_cast<std::size_t>(out.tellp()), &d});
    out << d.Name << "  " << d.Header << ':' << d.Line;
    if (d.Derived())
        out << "  (derived: " << (d.FromWin32 ? "HRESULT_FROM_WIN32(" + d.AliasOf + ")" : d.AliasOf) << ')';
    out << '\n';
}

void PrintDefinitions(std::ostream& out, const char* label, const std::vector<const Definition*>& found)
{
    char column[16];
    std::snprintf(column, sizeof column, "  %-10s", label);
    if (found.empty()) {
        out << column << "(none)\n";
        return;
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        out << (i == 0 ? column : Indent);
        PrintDefinition(out, *found[i]);
    }
}

void PrintMessageLines(std::ostream& out, const std::string& text, const char* label = "  Message   ",
                       std::string_view language = {})
{
    const std::string message = MessageLines(text);
    out << label;
    if (!language.empty())
        out << language << ": ";
    if (message.empty())
        out << "(none)";
    for (const char c : message) {
        out << c;
        if (c == '\n')
            out << Indent;
    }
    out << '\n';
}

// With --lang, one message for each language asked for, in its order;
// meaning is an index into each language's MeaningMessages, or npos for
// the value's message.
void PrintMessages(std::ostream& out, const ValueReport& v, const std::string& message,
                   std::size_t meaning = std::string::npos)
{
    if (v.Languages.empty()) {
        PrintMessageLines(out, message);
        return;
    }
    for (std::size_t i = 0; i < v.Languages.size(); ++i) {
        const LanguageMessages& texts = v.Languages[i];
        const bool ofMeaning = meaning != std::string::npos && meaning < texts.MeaningMessages.size();
        PrintMessageLines(out, ofMeaning ? texts.MeaningMessages[meaning] : texts.Message,
                          i == 0 ? "  Message   " : Indent, texts.Tag);
    }
}

// A message on one line: line ends and the blanks around them become one
// blank.
std::string OneLine(const std::string& message)
{
    std::string line;
    bool blank = false;
    for (const char c : message) {
        if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
            blank = !line.empty();
            continue;
        }
        if (blank)
            line += ' ';
        blank = false;
        line += c;
    }
    return line;
}

// A name defined in several headers is given once.
void AddName(std::vector<std::string>& names, std::string name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

std::string Joined(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty())
            joined += ", ";
        joined += name;
    }
    return joined;
}

// The names of a value; without any, those of the code it wraps or that
// wraps it, as the wrapping.
std::string NamesOf(const ValueReport& v, const std::vector<const Definition*>& matches)
{
    std::vector<std::string> names;
    for (const Definition* d : matches.empty() ? v.Definitions : matches)
        AddName(names, std::string(d->Name));
    if (!names.empty())
        return Joined(names);
    const std::string wrap = v.Win32Code ? "HRESULT_FROM_WIN32(" : v.NtStatusCode ? "HRESULT_FROM_NT(" : "";
    for (const Definition* d : v.CounterpartDefinitions)
        AddName(names, wrap.empty() ? std::string(d->Name) : wrap + std::string(d->Name) + ")");
    return names.empty() ? "(no name)" : Joined(names);
}

std::string FamiliesOf(const ValueReport& v)
{
    std::string families;
    for (const FamilyMeaning& meaning : v.Meanings) {
        if (!families.empty())
            families += '/';
        families += FamilyName(meaning.Family);
    }
    return families.empty() ? "?" : families;
}

void PrintFacility(std::ostream& out, DWORD number, std::string_view name)
{
    out << "facility " << number;
    if (!name.empty())
        out << " (" << name << ')';
}

void PrintParts(std::ostream& out, const ValueReport& v)
{
    const HResultParts& h = v.HResult;
    out << "  HRESULT   severity " << h.Severity << ", reserved " << h.Reserved << ", customer " << h.Customer
        << ", NT " << h.Nt << ", X " << h.X << ", ";
    PrintFacility(out, h.Facility, h.FacilityName);
    out << ", code " << h.Code << '\n';
    if (v.NtStatus) {
        out << "  NTSTATUS  severity " << v.NtStatus->Severity << " (" << NtStatusSeverityName(v.NtStatus->Severity)
            << "), customer " << v.NtStatus->Customer << ", ";
        PrintFacility(out, v.NtStatus->Facility, v.NtStatus->FacilityName);
        out << ", code " << v.NtStatus->Code << '\n';
    }
}

void PrintMeanings(std::ostream& out, const ValueReport& v)
{
    if (v.Definitions.empty())
        PrintDefinitions(out, "Defined", {});
    for (const FamilyMeaning& meaning : v.Meanings) {
        if (meaning.Definitions.empty())
            continue;
        out << "  Defined as " << FamilyName(meaning.Family) << ":\n";
        PrintDefinitions(out, "", meaning.Definitions);
        if (v.MeaningsDiffer() && !meaning.Message.empty())
            PrintMessages(out, v, meaning.Message, static_cast<std::size_t>(&meaning - v.Meanings.data()));
    }
    if (!v.MeaningsDiffer() || v.Message.empty())
        PrintMessages(out, v, v.Message);
    if (v.MeaningsDiffer()) {
        out << "  Note      named in more than one family; the API that returned it tells which:";
        for (std::size_t i = 0; i < v.Meanings.size(); ++i)
            out << (i == 0 ? " " : ", ") << FamilyName(v.Meanings[i].Family);
        out << '\n';
    }
    if (InterfaceDefined(v.HResult))
        out << "  Note      facility ITF: the meaning depends on the interface that returned the value\n";
}

void PrintValue(std::ostream& out, const ValueReport& v)
{
    out << HexText(v.Value) << "  unsigned " << v.Value << "  signed " << static_cast<LONG>(v.Value) << '\n';
    PrintParts(out, v);
    PrintMeanings(out, v);
    if (v.Win32Code) {
        out << "  As Win32 code " << *v.Win32Code << ":\n";
        PrintDefinitions(out, "", v.CounterpartDefinitions);
    } else if (v.NtStatusCode) {
        out << "  As NTSTATUS " << HexText(*v.NtStatusCode) << ":\n";
        PrintDefinitions(out, "", v.CounterpartDefinitions);
    } else if (v.HResultForm) {
        out << "  As HRESULT " << HexText(*v.HResultForm) << ":\n";
        PrintDefinitions(out, "", v.CounterpartDefinitions);
    }
}

// A term of eight digits: each reading shown says which it is; the one left
// out says that nothing is defined with it.
void PrintReadings(std::ostream& out, const TermReport& report)
{
    for (std::size_t i = 0; i < report.Values.size(); ++i) {
        if (i != 0)
            out << '\n';
        out << report.Term << " read as " << ReadingName(report.Values[i].ReadAs) << ":\n";
        PrintValue(out, report.Values[i]);
    }
    if (report.Values.size() == 1) {
        const bool hexShown = report.Values.front().ReadAs == TermBase::Hexadecimal;
        out << report.Term << " read as " << ReadingName(hexShown ? TermBase::Decimal : TermBase::Hexadecimal) << ", "
            << HexText(hexShown ? report.Read.Value : *report.Read.HexValue) << ", has no definition\n";
    }
}

} // namespace

void PrintTermReport(std::ostream& out, const TermReport& report)
{
    if (report.Read.Type == LookupTerm::Kind::Value) {
        if (report.Read.HexValue)
            PrintReadings(out, report);
        else
            PrintValue(out, report.Values.front());
        return;
    }
    for (std::size_t i = 0; i < report.Values.size(); ++i) {
        if (i != 0)
            out << '\n';
        for (const Definition* match : report.MatchesByValue[i])
            PrintDefinition(out, *match);
        PrintValue(out, report.Values[i]);
    }
}

std::string TermReportText(const TermReport& report, std::vector<DefinitionMark>& marks)
{
    std::ostringstream out;
    out.pword(MarksSlot()) = &marks;
    PrintTermReport(out, report);
    out.pword(MarksSlot()) = nullptr;
    return std::move(out).str();
}

std::string AnnotationLine(const TermReport& report)
{
    std::string line = "    >> " + report.Term;
    for (std::size_t i = 0; i < report.Values.size(); ++i) {
        const ValueReport& v = report.Values[i];
        const std::vector<const Definition*> none;
        line += i == 0 ? "  " : "  ;  ";
        line += NamesOf(v, i < report.MatchesByValue.size() ? report.MatchesByValue[i] : none);
        line += "  (";
        line += FamiliesOf(v);
        line += ')';
        if (v.Languages.empty()) {
            if (!v.Message.empty())
                line.append("  ").append(OneLine(v.Message));
            continue;
        }
        for (const LanguageMessages& texts : v.Languages)
            line.append("  ").append(texts.Tag).append(": ").append(texts.Message.empty() ? "(none)"
                                                                                          : OneLine(texts.Message));
    }
    return line + '\n';
}

void PrintTextMatches(std::ostream& out, const std::vector<TextMatch>& matches, const MessageLookup& messageOf,
                      const LookupOptions& options, const LanguageMessageLookup& messageIn)
{
    for (const TextMatch& match : matches) {
        const Definition& d = *match.Found;
        out << d.Name << "  " << HexText(d.Value) << "  " << FamilyName(d.Family) << "  " << d.Header << ':' << d.Line
            << '\n';
        if (options.Languages.empty()) {
            const std::string message = messageOf ? messageOf(d.Value, d.Family) : std::string();
            out << "    " << (message.empty() ? "(no message)" : OneLine(message)) << '\n';
        }
        for (const MessageLanguage& language : options.Languages) {
            const std::string message = messageIn ? messageIn(d.Value, d.Family, language.Id) : std::string();
            out << "    " << language.Tag << ": " << (message.empty() ? "(none)" : OneLine(message)) << '\n';
        }
    }
}

void PrintScanRows(std::ostream& out, const CodeTable& rows)
{
    static constexpr int kFields[] = {-1,       ciCode, ciFacility,   ciSeverity,  ciN,
                                      ciHeader, ciLine, ciLineOffset, ciLineLength};
    FieldDigits digits;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        for (std::size_t f = 0; f < std::size(kFields); ++f) {
            if (f != 0)
                out << '\t';
            out << rows.Text(i, kFields[f], digits);
        }
        out << '\n';
    }
}

void PrintMessage(std::ostream& out, const std::string& message)
{
    out << MessageLines(message) << '\n';
}
