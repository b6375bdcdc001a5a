#include "app/SettingsSaveMessage.h"

#include "output/SystemMessageText.h"
#include "platform/codepage.h"

namespace {

// The system's text ends with its line end; a box needs none.
std::string Reason(DWORD code)
{
    std::string text = SystemMessageText(static_cast<LONG>(code));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "Error " + std::to_string(code) + "." : text;
}

} // namespace

std::string SettingsNotSavedText(const std::string& fileName, DWORD code)
{
    return "The settings could not be saved to " + Utf8ToAnsi1252(fileName) + ":\n" + Reason(code)
        + "\nChanges made in this run are lost.";
}
