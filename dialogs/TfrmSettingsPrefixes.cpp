// The prefix list of the General page. Prefixes are the program's 8-bit
// texts; what the user types is converted at this boundary.
#include "dialogs/TfrmSettings.h"

#include "widgets/seams/MessageBoxService.h"
#include "dialogs/TfrmSettingsListBox.h"
#include "dialogs/TfrmSettingsText.h"
#include "dialogs/TfrmWideTextSeam.h"
#include "platform/codepage.h"
#include "platform/win32.h"
#include "settings/TSettings.h"
#include "widgets/AnsiQString.h"

#include <algorithm>
#include <optional>

namespace {

constexpr const char* NotInCodePage = "A prefix can hold only characters of the Windows-1252 code page";

// Nothing when the typed text has characters the program's texts cannot
// hold: stored with question marks instead, the prefix would match nothing.
std::optional<std::string> TypedPrefix(const QString& typed)
{
    std::optional<std::string> prefix = Utf8ToAnsi1252Exactly(typed.toStdString());
    if (prefix)
        *prefix = StripBlanks(*prefix);
    return prefix;
}

} // namespace

void TfrmSettings::SelectPrefixes()
{
    const TSettings::tagErrorsOptions& errors = Settings->ErrorsOptions;
    const int prefixes = std::min<int>(lbPrefix->count(), errors.Prefixes.Count());
    for (int i = 0; i < prefixes; ++i)
        lbPrefix->SetSelected(i, errors.PrefixSelected[i] != 0);
}

void TfrmSettings::cmdAddPrefixClick()
{
    // The window hands its text back however it closes: Escape adds too.
    QString typed;
    if (!Seam<WideTextWindows>::Get().ShowModal(this, true, typed, QStringLiteral("Specify new prefix"))) {
        ReportNoNewWindow();
        return;
    }
    const std::optional<std::string> prefix = TypedPrefix(typed);
    if (!prefix)
        MessageBoxA(this, NotInCodePage, nullptr, MB_ICONEXCLAMATION);
    else if (!prefix->empty() && Settings->ErrorsOptions.AddPrefix(prefix->c_str(), false))
        lbPrefix->addItem(FromAnsi(*prefix));
    UpdateButtons();
}

void TfrmSettings::cmdEditPrefixClick()
{
    TStringsStorage& prefixes = Settings->ErrorsOptions.Prefixes;
    for (int i = 0; i < lbPrefix->count(); ++i) {
        if (!lbPrefix->Selected(i))
            continue;
        QListWidgetItem* item = lbPrefix->item(i);
        QString typed = item->text();
        if (!Seam<WideTextWindows>::Get().ShowModal(this, true, typed, QStringLiteral("Edit prefix"))) {
            ReportNoNewWindow();
            return;
        }
        if (typed == item->text())
            continue;
        // No duplicate check here: two equal entries may come out of it.
        const std::optional<std::string> prefix = TypedPrefix(typed);
        if (!prefix)
            MessageBoxA(this, NotInCodePage, nullptr, MB_ICONEXCLAMATION);
        else if (!prefix->empty() && prefixes.SetText(i, prefix->c_str()) == ERROR_SUCCESS)
            item->setText(FromAnsi(*prefix));
    }
    UpdateButtons();
}

void TfrmSettings::cmdDeletePrefixClick()
{
    const TSettings::tagErrorsOptions& errors = Settings->ErrorsOptions;
    DeleteSelected(*lbPrefix, errors.Prefixes, errors.RemovePrefix, "Action : Delete selected prefix",
                   "Action : Delete selected prefixes");
}

void TfrmSettings::cmdPrefixSelAllClick()
{
    lbPrefix->selectAll();
    UpdateButtons();
}

void TfrmSettings::cmdPrefixSelNoneClick()
{
    lbPrefix->clearSelection();
    UpdateButtons();
}
