// vantrel-lookup's output as one JSON document (--json).
#pragma once

#include "catalogue/LoadCodes.h"
#include "lookup/LookupReport.h"
#include "lookup/TextSearch.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

nlohmann::json TermJson(const TermReport& report);
nlohmann::json ScanRowsJson(const CodeTable& rows);
// The headers that loaded and those that failed, with the system's reason.
nlohmann::json HeadersJson(const LoadedCodes& loaded, const MessageLookup& messageOf);

// The members of one code of a log (--annotate) after its place: token,
// reading and report, as text to go inside an object.
std::string AnnotationJson(std::string_view token, const char* reading, const TermReport& report);
// The codes --text found: each definition, how it matched, and its messages.
nlohmann::json TextMatchesJson(const std::vector<TextMatch>& matches, const MessageLookup& messageOf,
                               const LookupOptions& options, const LanguageMessageLookup& messageIn);

// Texts from headers are bytes of their code page; what is not UTF-8 is
// replaced rather than failing the document.
void PrintJson(std::ostream& out, const nlohmann::json& document);
