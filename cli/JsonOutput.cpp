#include "cli/JsonOutput.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeValue.h"
#include "platform/file_failure_detail.h"

namespace {

using nlohmann::json;

json DefinitionJson(const Definition& d)
{
    json item{{"name", d.Name},
              {"header", d.Header},
              {"line", d.Line},
              {"value", HexText(d.Value)},
              {"family", FamilyKey(d.Family)}};
    if (d.Derived()) {
        item["derived_from"] = d.AliasOf;
        item["from_win32"] = d.FromWin32;
    }
    return item;
}

json DefinitionsJson(const std::vector<const Definition*>& found)
{
    json list = json::array();
    for (const Definition* d : found)
        list.push_back(DefinitionJson(*d));
    return list;
}

// With --lang: [{"language": "de", "message": ...}, ...] in the order asked;
// meaning indexes each language's MeaningMessages, or is npos for the
// value's message.
json LanguagesJson(const ValueReport& v, std::size_t meaning = std::string::npos)
{
    json list = json::array();
    for (const LanguageMessages& texts : v.Languages) {
        const bool ofMeaning = meaning != std::string::npos && meaning < texts.MeaningMessages.size();
        list.push_back(
            {{"language", texts.Tag}, {"message", ofMeaning ? texts.MeaningMessages[meaning] : texts.Message}});
    }
    return list;
}

json MeaningsJson(const ValueReport& v)
{
    json list = json::array();
    for (std::size_t i = 0; i < v.Meanings.size(); ++i) {
        const FamilyMeaning& meaning = v.Meanings[i];
        json item{{"family", FamilyKey(meaning.Family)},
                  {"family_name", FamilyName(meaning.Family)},
                  {"definitions", DefinitionsJson(meaning.Definitions)},
                  {"message", meaning.Message}};
        if (!v.Languages.empty())
            item["messages"] = LanguagesJson(v, i);
        list.push_back(std::move(item));
    }
    return list;
}

json ValueJson(const ValueReport& v)
{
    json value{
        {"value", HexText(v.Value)},
        {"unsigned", v.Value},
        {"signed", static_cast<LONG>(v.Value)},
        {"hresult",
         {{"severity", v.HResult.Severity},
          {"reserved", v.HResult.Reserved},
          {"customer", v.HResult.Customer},
          {"nt", v.HResult.Nt},
          {"x", v.HResult.X},
          {"facility", v.HResult.Facility},
          {"facility_name", v.HResult.FacilityName},
          {"code", v.HResult.Code}}},
        {"definitions", DefinitionsJson(v.Definitions)},
        {"meanings", MeaningsJson(v)},
        {"meanings_differ", v.MeaningsDiffer()},
        {"interface_defined", InterfaceDefined(v.HResult)},
        {"message", v.Message},
    };
    if (v.ReadAs != TermBase::Only)
        value["read_as"] = ReadingName(v.ReadAs);
    if (!v.Languages.empty())
        value["messages"] = LanguagesJson(v);
    if (v.NtStatus) {
        value["ntstatus"] = {
            {"severity", v.NtStatus->Severity},          {"severity_name", NtStatusSeverityName(v.NtStatus->Severity)},
            {"customer", v.NtStatus->Customer},          {"facility", v.NtStatus->Facility},
            {"facility_name", v.NtStatus->FacilityName}, {"code", v.NtStatus->Code}};
    }
    if (v.Win32Code) {
        value["win32_code"] = *v.Win32Code;
        value["win32_definitions"] = DefinitionsJson(v.CounterpartDefinitions);
    } else if (v.NtStatusCode) {
        value["ntstatus_code"] = HexText(*v.NtStatusCode);
        value["ntstatus_definitions"] = DefinitionsJson(v.CounterpartDefinitions);
    } else if (v.HResultForm) {
        value["hresult_form"] = HexText(*v.HResultForm);
        value["hresult_definitions"] = DefinitionsJson(v.CounterpartDefinitions);
    }
    return value;
}

json ValuesJson(const std::vector<ValueReport>& reports)
{
    json values = json::array();
    for (const ValueReport& value : reports)
        values.push_back(ValueJson(value));
    return values;
}

} // namespace

json TermJson(const TermReport& report)
{
    json term{{"term", report.Term}, {"found", report.Found()}};
    term["values"] = ValuesJson(report.Values);
    if (report.Read.Type == LookupTerm::Kind::Value) {
        term["kind"] = "value";
        term["value"] = term["values"].front();
        return term;
    }
    term["kind"] = "name";
    term["definitions"] = DefinitionsJson(report.Matches);
    return term;
}

json ScanRowsJson(const CodeTable& rows)
{
    static constexpr std::pair<const char*, int> kFields[] = {
        {"mnemonic", -1},     {"code", ciCode}, {"facility", ciFacility}, {"severity", ciSeverity}, {"n", ciN},
        {"header", ciHeader}, {"line", ciLine}, {"offset", ciLineOffset}, {"length", ciLineLength},
    };
    json list = json::array();
    FieldDigits digits;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        json row = json::object();
        for (const auto& [name, field] : kFields)
            row[name] = std::string(rows.Text(i, field, digits));
        list.push_back(std::move(row));
    }
    return list;
}

json HeadersJson(const LoadedCodes& loaded, const MessageLookup& messageOf)
{
    json headers{{"loaded", json::array()}, {"failed", json::array()}};
    for (std::size_t h = 0; h < loaded.Rows.HeaderCount(); ++h)
        headers["loaded"].push_back(loaded.Rows.HeaderPath(static_cast<std::uint32_t>(h)));
    for (const FailedHeader& failed : loaded.Failed) {
        headers["failed"].push_back({{"path", failed.Path},
                                     {"missing", failed.Missing},
                                     {"error", failed.Error},
                                     {"reason", messageOf ? messageOf(failed.Error, CodeFamily::Win32) : std::string()},
                                     {"detail", FileFailureDetail(failed.Path, failed.Error, FileUse::Read)}});
    }
    return headers;
}

std::string AnnotationJson(std::string_view token, const char* reading, const TermReport& report)
{
    const auto compact = [](const json& item) { return item.dump(-1, ' ', false, json::error_handler_t::replace); };
    return "\"token\":" + compact(std::string(token)) + ",\"reading\":" + compact(reading)
           + ",\"report\":" + compact(TermJson(report));
}

json TextMatchesJson(const std::vector<TextMatch>& matches, const MessageLookup& messageOf,
                     const LookupOptions& options, const LanguageMessageLookup& messageIn)
{
    json list = json::array();
    for (const TextMatch& match : matches) {
        const Definition& d = *match.Found;
        json item = DefinitionJson(d);
        item["by_name"] = match.ByName;
        item["by_text"] = match.ByText;
        item["message"] = messageOf ? messageOf(d.Value, d.Family) : std::string();
        if (!options.Languages.empty()) {
            item["messages"] = json::array();
            for (const MessageLanguage& language : options.Languages)
                item["messages"].push_back(
                    {{"language", language.Tag},
                     {"message", messageIn ? messageIn(d.Value, d.Family, language.Id) : std::string()}});
        }
        list.push_back(std::move(item));
    }
    return list;
}

void PrintJson(std::ostream& out, const nlohmann::json& document)
{
    out << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}
