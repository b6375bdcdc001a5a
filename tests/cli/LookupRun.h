// vantrel-lookup run in process over headers of a test's own, with message
// texts that stand in for the system's.
#pragma once

#include "cli/RunLookup.h"
#include "core/text/TempFolder.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

struct LookupRun {
    int Status = -1;
    std::string Out;
    std::string Err;

    nlohmann::json Json() const { return nlohmann::json::parse(Out); }
};

// Texts for Win32 and HRESULT readings, as the program gives them, and one
// for an NTSTATUS reading.
inline std::string StandInMessage(DWORD code, CodeFamily family)
{
    if (family == CodeFamily::NtStatus)
        return code == 0xC0000005u ? "Access violation.\r\n" : std::string();
    if (family != CodeFamily::Win32 && family != CodeFamily::HResult)
        return {};
    switch (code) {
    case 5:
    case 0x80070005u: return "Access denied.\r\n";
    case 14: return "Out of memory.\r\nTry again.\r\n";
    default: return {};
    }
}

inline LookupRun RunWith(const std::vector<std::string>& args, const LookupPlaces& places)
{
    std::ostringstream out;
    std::ostringstream err;
    LookupRun run;
    run.Status = RunLookup(args, places, StandInMessage, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}
