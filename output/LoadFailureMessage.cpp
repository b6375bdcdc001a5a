#include "output/LoadFailureMessage.h"

#include "output/SystemMessageText.h"
#include "platform/file_failure_detail.h"

std::string ReasonLine(std::string_view message, DWORD code)
{
    std::string reason;
    for (const char c : message) {
        if (c == '\r' || c == '\n') {
            if (!reason.empty() && reason.back() != ' ')
                reason += ' ';
        } else {
            reason += c;
        }
    }
    while (!reason.empty() && reason.back() == ' ')
        reason.pop_back();
    return reason.empty() ? "Error " + std::to_string(code) : reason;
}

std::string ReasonLine(std::string_view message, DWORD code, const std::string& path)
{
    const std::string detail = FileFailureDetail(path, code, FileUse::Read);
    return ReasonLine(message, code) + (detail.empty() ? "" : " " + detail);
}

std::string SystemReason(DWORD code)
{
    return ReasonLine(SystemMessageText(static_cast<LONG>(code)), code);
}

std::string LoadFailureMessage(const FailedHeader& failed)
{
    std::string text = failed.Missing ? "Header file not found : \"" + failed.Path + "\". Check settings (F7)"
                                      : "Unable to load header file : \"" + failed.Path + "\"";
    return text + '\n' + SystemReason(failed.Error);
}
