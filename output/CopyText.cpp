#include "output/CopyText.h"

bool HasCopyColumns(const TSettings::tagCopyOptions& options)
{
    return options.CopyMnemonic || options.CopyCode || options.CopyFacility || options.CopySeverity
           || options.CopyHeaderFile || options.CopyLineNumber;
}

std::string FormatCopyText(const CodeEntry& row, const TSettings::tagCopyOptions& options)
{
    std::string text;
    if (options.CopyMnemonic)
        text += row.Mnemonic;
    if (options.CopyCode)
        text += " Code : " + row.Code();
    if (options.CopyFacility)
        text += " Facility : " + row.Facility();
    if (options.CopySeverity)
        text += " Severity : " + row.Severity();
    if (options.CopyHeaderFile)
        text += " FileName : " + row.Header();
    if (options.CopyLineNumber)
        text += " Line : " + row.Line();
    return text;
}
