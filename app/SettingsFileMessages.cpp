#include "app/SettingsFileMessages.h"

#include "output/SystemMessageText.h"
#include "platform/codepage.h"
#include "platform/file_failure_detail.h"

namespace {

// The system's text ends with its line end; a box needs none. What the file
// system shows about the failure follows on a line of its own.
std::string Reason(const std::string& fileName, DWORD code, FileUse use)
{
    std::string text = SystemMessageText(static_cast<LONG>(code));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = "Error " + std::to_string(code) + ".";
    const std::string detail = FileFailureDetail(fileName, code, use);
    return detail.empty() ? text : text + "\n" + Utf8ToAnsi1252(detail);
}

} // namespace

std::string SettingsNotReadText(const std::string& fileName, DWORD code)
{
    return "The settings could not be read from " + Utf8ToAnsi1252(fileName) + ":\n"
        + Reason(fileName, code, FileUse::Read)
        + "\nThe program starts with the default settings. When they are saved, the file that could not be"
          " read is kept as " + Utf8ToAnsi1252(fileName) + ".bad.";
}

std::string SettingsNotSavedText(const std::string& fileName, DWORD code)
{
    return "The settings could not be saved to " + Utf8ToAnsi1252(fileName) + ":\n"
           + Reason(fileName, code, FileUse::Replace) + "\nChanges made in this run are lost.";
}
