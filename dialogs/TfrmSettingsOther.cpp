// The Other page: every change goes into Settings and into the running
// program the moment a box is clicked.
#include "dialogs/TfrmSettings.h"

#include "dialogs/MainWindowLink.h"
#include "settings/TSettings.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/TStatusBar.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

BYTE Flag(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

void TfrmSettings::SetDialogFlatButtons(bool flat)
{
    if (cmdAddHeader->Flat() != flat)
        SetWindowFlatButtons(*this, flat);
}

void TfrmSettings::chkFlatButtonsClick()
{
    Settings->GeneralOptions.FlatButtons = Flag(chkFlatButtons);
    const bool flat = Settings->GeneralOptions.FlatButtons != 0;
    SetDialogFlatButtons(flat);
    main.SetFlatButtons(flat);
}

void TfrmSettings::chkPopupHintsClick()
{
    Settings->GeneralOptions.PopupHints = Flag(chkPopupHints);
    const bool show = Settings->GeneralOptions.PopupHints != 0;
    main.SetShowHint(show);
    SetWindowShowsHints(this, show);
}

void TfrmSettings::chkBottomHintsClick()
{
    Settings->GeneralOptions.BottomHints = Flag(chkBottomHints);
    if (!isVisible())
        return;
    ApplicationHint& hint = ApplicationHint::Instance();
    if (chkBottomHints->isChecked()) {
        hint.SetHandler(this, [this] { ShowSettingsHint(); });
        main.ShowOptionsHint();
    } else {
        main.ClearMainHint();
        StatusBar1->SetPanelText(0, QString());
        hint.ClearHandler();
    }
}

void TfrmSettings::chkHideAtStartClick()
{
    Settings->GeneralOptions.ShowAtStart = chkHideAtStart->isChecked() ? 0 : 1;
}

void TfrmSettings::chkUseTrayClick()
{
    if (!isVisible())
        return;
    TSettings::tagGeneralOptions& options = Settings->GeneralOptions;
    options.UseTray = Flag(chkUseTray);
    if (chkUseTray->isChecked()) {
        chkHideAtStart->setEnabled(true);
        chkHideAtStart->setChecked(options.ShowAtStart == 0);
        main.AddTrayIcon(true);
    } else {
        // Without the icon a hidden start could not be undone, so the next
        // start shows the window, and the box says so.
        options.ShowAtStart = 1;
        chkHideAtStart->setChecked(false);
        chkHideAtStart->setEnabled(false);
        main.RemoveTrayIcon();
    }
}

void TfrmSettings::rbEscapeKeySelection(QRadioButton* sender)
{
    Settings->GeneralOptions.EscapeAction = sender->property("tag").toInt();
}
