#include "cli/RunLookup.h"

#include "cli/JsonOutput.h"
#include "cli/LookupArguments.h"
#include "cli/RunAnnotate.h"
#include "catalogue/CodeValue.h"
#include "catalogue/PrefixSet.h"
#include "lookup/LookupSources.h"
#include "lookup/ReportText.h"
#include "lookup/TextSearch.h"
#include "settings/TSettings.h"
#include "output/LoadFailureMessage.h"
#include "platform/message_language.h"

#include <algorithm>

namespace {

constexpr const char* kProgram = "vantrel-lookup: ";

// A script that asked for JSON gets the reason as JSON too, not an empty
// document.
int Usage(bool json, std::ostream& out, std::ostream& err, const std::string& problem)
{
    err << kProgram << problem << "\nTry 'vantrel-lookup --help'.\n";
    if (json)
        PrintJson(out, {{"error", problem}});
    return kLookupFailed;
}

int RunMessage(const LookupArguments& arguments, const MessageLookup& messageOf, std::ostream& out)
{
    const LookupTerm code = ReadLookupTerm(arguments.MessageCode, arguments.Options.AllHex);
    if (code.Type != LookupTerm::Kind::Value)
        return -1;
    const std::string message = messageOf ? messageOf(code.Value, FamilyByShape(code.Value)) : std::string();
    if (arguments.Json) {
        PrintJson(out, {{"value", HexText(code.Value)}, {"message", message}});
    } else if (!message.empty()) {
        PrintMessage(out, message);
    }
    return message.empty() ? kLookupNotFound : kLookupFound;
}

// The languages --text searches: those of --lang, else the user's and
// English.
std::vector<std::uint16_t> SearchedLanguages(const LookupOptions& options)
{
    std::vector<std::uint16_t> languages;
    for (const MessageLanguage& language : options.Languages)
        languages.push_back(language.Id);
    if (languages.empty()) {
        for (const std::uint16_t language : {UserLanguageFromEnvironment(), kEnglishUnitedStates}) {
            if (language != 0 && std::find(languages.begin(), languages.end(), language) == languages.end())
                languages.push_back(language);
        }
    }
    return languages;
}

int RunText(const LookupArguments& arguments, const CodeIndex& index, const MessageLookup& messageOf,
            const LanguageMessageLookup& messageIn, std::ostream& out, nlohmann::json& document)
{
    const std::vector<std::uint16_t> languages = SearchedLanguages(arguments.Options);
    const std::vector<TextMatch> matches =
        FindCodesByText(index, arguments.TextWords, languages, arguments.Options.Families, messageIn);
    if (arguments.Json) {
        document["text"] = arguments.TextWords;
        document["matches"] = TextMatchesJson(matches, messageOf, arguments.Options, messageIn);
    } else {
        PrintTextMatches(out, matches, messageOf, arguments.Options, messageIn);
    }
    return matches.empty() ? kLookupNotFound : kLookupFound;
}

} // namespace

int RunLookup(const std::vector<std::string>& args, const LookupPlaces& places, const MessageLookup& messageOf,
              std::ostream& out, std::ostream& err, const LanguageMessageLookup& messageIn)
{
    std::string problem;
    const std::optional<LookupArguments> arguments = ReadLookupArguments(args, problem);
    if (!arguments)
        return Usage(AsksForJson(args), out, err, problem);
    switch (arguments->Run) {
    case LookupArguments::Mode::Help: out << kLookupUsage; return kLookupFound;
    case LookupArguments::Mode::Version: out << "vantrel-lookup " VANTREL_VERSION "\n"; return kLookupFound;
    case LookupArguments::Mode::Message: {
        const int status = RunMessage(*arguments, messageOf, out);
        if (status < 0)
            return Usage(arguments->Json, out, err, "--message needs a code, not '" + arguments->MessageCode + "'");
        if (status == kLookupNotFound)
            err << kProgram << "no message for " << arguments->MessageCode << '\n';
        return status;
    }
    case LookupArguments::Mode::Lookup:
    case LookupArguments::Mode::Scan:
    case LookupArguments::Mode::Annotate:
    case LookupArguments::Mode::Text: break;
    }

    const TSettings settings(places.SettingsFile.empty() ? nullptr : places.SettingsFile.c_str());
    const LookupSources sources(settings.ErrorsOptions, arguments->Headers, arguments->Prefixes);
    for (const std::string& note : sources.Notes)
        err << kProgram << note << '\n';
    const LoadedCodes loaded = LoadCodes(sources.Lists());
    int status = loaded.Failed.empty() ? kLookupFound : kLookupFailed;
    for (const FailedHeader& failed : loaded.Failed) {
        err << kProgram << "cannot read header \"" << failed.Path << "\": "
            << ReasonLine(messageOf ? messageOf(failed.Error, CodeFamily::Win32) : std::string(), failed.Error,
                          failed.Path)
            << '\n';
    }

    if (arguments->Run == LookupArguments::Mode::Scan) {
        if (arguments->Json)
            PrintJson(out, {{"headers", HeadersJson(loaded, messageOf)}, {"rows", ScanRowsJson(loaded.Rows)}});
        else
            PrintScanRows(out, loaded.Rows);
        return status;
    }

    const CodeIndex index(loaded.Rows, PrefixSet(sources.Prefixes(), sources.PrefixSelected()), sources.BuiltIn());
    if (arguments->Run == LookupArguments::Mode::Annotate)
        return std::max(status, RunAnnotate(*arguments, index, messageOf, messageIn, places.Input, out, err));
    if (arguments->Run == LookupArguments::Mode::Text) {
        nlohmann::json document{{"headers", HeadersJson(loaded, messageOf)}};
        const int found = RunText(*arguments, index, messageOf, messageIn, out, document);
        if (found == kLookupNotFound)
            err << kProgram << "no code's name or text holds " << arguments->TextWords << '\n';
        if (arguments->Json)
            PrintJson(out, document);
        return std::max(status, found);
    }
    nlohmann::json terms = nlohmann::json::array();
    for (std::size_t i = 0; i < arguments->Terms.size(); ++i) {
        const TermReport report = ReportTerm(index, arguments->Terms[i], arguments->Options, messageOf, messageIn);
        if (!report.Found()) {
            err << kProgram << report.Term << ": not found\n";
            status = std::max(status, kLookupNotFound);
        }
        if (arguments->Json) {
            terms.push_back(TermJson(report));
            continue;
        }
        if (i != 0)
            out << '\n';
        PrintTermReport(out, report);
    }
    if (arguments->Json)
        PrintJson(out, {{"headers", HeadersJson(loaded, messageOf)}, {"terms", std::move(terms)}});
    return status;
}
