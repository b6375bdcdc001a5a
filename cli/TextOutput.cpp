#include "cli/TextOutput.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeValue.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kIndent = "            ";

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
        out << (i == 0 ? column : kIndent);
        PrintDefinition(out, *found[i]);
    }
}

void PrintValue(std::ostream& out, const ValueReport& v)
{
    out << HexText(v.Value) << "  unsigned " << v.Value << "  signed " << static_cast<LONG>(v.Value) << '\n';
    out << "  HRESULT   severity " << v.HResult.Severity << ", facility " << v.HResult.Facility << " ("
        << v.HResult.FacilityName << "), code " << v.HResult.Code << '\n';
    if (v.NtStatus) {
        out << "  NTSTATUS  severity " << v.NtStatus->Severity << " (" << NtStatusSeverityName(v.NtStatus->Severity)
            << "), customer " << v.NtStatus->Customer << ", facility " << v.NtStatus->Facility << ", code "
            << v.NtStatus->Code << '\n';
    }
    PrintDefinitions(out, "Defined", v.Definitions);
    if (v.Win32Code) {
        out << "  As Win32 code " << *v.Win32Code << ":\n";
        PrintDefinitions(out, "", v.CounterpartDefinitions);
    } else if (v.HResultForm) {
        out << "  As HRESULT " << HexText(*v.HResultForm) << ":\n";
        PrintDefinitions(out, "", v.CounterpartDefinitions);
    }
    const std::string message = MessageLines(v.Message);
    out << "  Message   ";
    if (message.empty())
        out << "(none)";
    for (const char c : message) {
        out << c;
        if (c == '\n')
            out << kIndent;
    }
    out << '\n';
}

} // namespace

void PrintTermReport(std::ostream& out, const TermReport& report)
{
    if (report.Read.Type == LookupTerm::Kind::Value) {
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

void PrintScanRows(std::ostream& out, const CodeTable& rows)
{
    static constexpr int kFields[] = {-1, ciCode, ciFacility, ciSeverity, ciN, ciHeader, ciLine, ciLineOffset,
                                      ciLineLength};
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
