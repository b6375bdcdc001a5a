// vantrel-lookup's output as one JSON document (--json).
#pragma once

#include "catalogue/LoadCodes.h"
#include "lookup/LookupReport.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <vector>

nlohmann::json TermJson(const TermReport& report);
nlohmann::json ScanRowsJson(const CodeTable& rows);
// The headers that loaded and those that failed, with the system's reason.
nlohmann::json HeadersJson(const LoadedCodes& loaded, const MessageLookup& messageOf);

// Texts from headers are bytes of their code page; what is not UTF-8 is
// replaced rather than failing the document.
void PrintJson(std::ostream& out, const nlohmann::json& document);
