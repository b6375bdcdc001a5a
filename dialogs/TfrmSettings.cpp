// The settings dialog as a whole: its creation from Settings, showing,
// keys, closing, and its status bar.
#include "dialogs/TfrmSettings.h"

#include "dialogs/TfrmSettingsListBox.h"
#include "settings/TSettings.h"
#include "widgets/AnsiQString.h"
#include "widgets/ApplicationHint.h"
#include "widgets/Controls.h"
#include "widgets/HintText.h"
#include "widgets/KeyPreview.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/TStatusBar.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>

TfrmSettings* frmSettings = nullptr;

TfrmSettings::TfrmSettings(MainWindowLink& main_) : main(main_)
{
    BuildLayout();
    BindHandlers();
    auto* keys = new KeyPreview(this, [this](QWidget*, QKeyCombination key) { return FormKeyDown(key); });
    keys->Watch(this);
    FormCreate();
}

void TfrmSettings::BindHandlers()
{
    connect(lbHeaders, &QListWidget::itemSelectionChanged, this, &TfrmSettings::UpdateButtons);
    connect(lbHeaders, &TListBox::DblClick, this, &TfrmSettings::lbHeadersDblClick);
    connect(lbPrefix, &QListWidget::itemSelectionChanged, this, &TfrmSettings::UpdateButtons);
    connect(lbPrefix, &TListBox::DblClick, this, &TfrmSettings::cmdEditPrefixClick);
    connect(cmdAddHeader, &QToolButton::clicked, this, &TfrmSettings::cmdAddHeaderClick);
    connect(cmdDeleteHeader, &QToolButton::clicked, this, &TfrmSettings::cmdDeleteHeaderClick);
    connect(cmdAddPrefix, &QToolButton::clicked, this, &TfrmSettings::cmdAddPrefixClick);
    connect(cmdEditPrefix, &QToolButton::clicked, this, &TfrmSettings::cmdEditPrefixClick);
    connect(cmdDeletePrefix, &QToolButton::clicked, this, &TfrmSettings::cmdDeletePrefixClick);
    connect(cmdPrefixSelAll, &QToolButton::clicked, this, &TfrmSettings::cmdPrefixSelAllClick);
    connect(cmdPrefixSelNone, &QToolButton::clicked, this, &TfrmSettings::cmdPrefixSelNoneClick);

    // A box set by the program runs its handler just as a click does.
    connect(chkFlatButtons, &QCheckBox::toggled, this, &TfrmSettings::chkFlatButtonsClick);
    connect(chkPopupHints, &QCheckBox::toggled, this, &TfrmSettings::chkPopupHintsClick);
    connect(chkBottomHints, &QCheckBox::toggled, this, &TfrmSettings::chkBottomHintsClick);
    connect(chkUseTray, &QCheckBox::toggled, this, &TfrmSettings::chkUseTrayClick);
    connect(chkHideAtStart, &QCheckBox::toggled, this, &TfrmSettings::chkHideAtStartClick);
    for (QRadioButton* button : {rbEscapeNothings, rbEscapeHides, rbEscapeClosed}) {
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked)
                rbEscapeKeySelection(button);
        });
    }
}

void TfrmSettings::FormCreate()
{
    const TSettings::tagGeneralOptions& options = Settings->GeneralOptions;
    FillHeaderList();
    lbPrefix->clear();
    const TStringsStorage& prefixes = Settings->ErrorsOptions.Prefixes;
    for (LONG i = 0; i < prefixes.Count(); ++i)
        lbPrefix->addItem(FromAnsi(prefixes.Text(i)));

    SetDialogFlatButtons(options.FlatButtons != 0);
    chkFlatButtons->setChecked(options.FlatButtons != 0);
    chkPopupHints->setChecked(options.PopupHints != 0);
    chkBottomHints->setChecked(options.BottomHints != 0);
    chkHideAtStart->setChecked(options.ShowAtStart == 0);
    SetWindowShowsHints(this, options.PopupHints != 0);
    SelectPrefixes();

    // Checking a button stores its tag, so a stored action the main window
    // does not know becomes "nothing" here.
    switch (options.EscapeAction) {
    case TSettings::EscapeMinimizes: rbEscapeHides->setChecked(true); break;
    case TSettings::EscapeCloses: rbEscapeClosed->setChecked(true); break;
    default: rbEscapeNothings->setChecked(true); break;
    }
    chkUseTray->setChecked(options.UseTray != 0);
    chkHideAtStart->setEnabled(options.UseTray != 0);
}

void TfrmSettings::ShowModal()
{
    exec();
}

void TfrmSettings::ShowFirstPage()
{
    PageControl1->setCurrentWidget(TabSheet1);
}

void TfrmSettings::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmSettings::FormShow()
{
    SetWindowShowsHints(this, Settings->GeneralOptions.PopupHints != 0);
    UpdateButtons();
}

void TfrmSettings::UpdateButtons()
{
    cmdDeleteHeader->setEnabled(lbHeaders->count() > 0 && lbHeaders->SelCount() > 0);
    const bool prefixesListed = lbPrefix->count() > 0;
    cmdPrefixSelAll->setEnabled(prefixesListed);
    cmdPrefixSelNone->setEnabled(prefixesListed);
    const bool prefixSelected = prefixesListed && lbPrefix->SelCount() > 0;
    cmdDeletePrefix->setEnabled(prefixSelected);
    cmdEditPrefix->setEnabled(prefixSelected);
    cmdAddHeader->setEnabled(true);
    cmdAddPrefix->setEnabled(true);
}

bool TfrmSettings::FormKeyDown(QKeyCombination key)
{
    switch (key.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: close(); return true;
    default: return false;
    }
}

void TfrmSettings::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmSettings::FormClose()
{
    // The list boxes and the lists are kept in step; should they ever
    // differ, no flag beyond a list's end is written.
    TSettings::tagErrorsOptions& errors = Settings->ErrorsOptions;
    const int prefixes = std::min<int>(lbPrefix->count(), errors.Prefixes.Count());
    for (int i = 0; i < prefixes; ++i)
        errors.PrefixSelected[i] = lbPrefix->Selected(i) ? 1 : 0;
    const int headers = std::min<int>(lbHeaders->count(), errors.Headers.Count());
    for (int i = 0; i < headers; ++i)
        errors.HeaderSelected[i] = lbHeaders->Selected(i) ? 1 : 0;
}

void TfrmSettings::ShowSettingsHint()
{
    StatusBar1->SetPanelText(0, LongHint(ApplicationHint::Instance().Hint()));
}

bool TfrmSettings::Confirm(const char* question)
{
    return MessageBoxA(this, question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TfrmSettings::DeleteSelected(TListBox& box, const TStringsStorage& entries,
                                  const std::function<void(LONG)>& remove, const char* questionOne,
                                  const char* questionMany)
{
    const int selected = box.SelCount();
    if (selected == 0 || !Confirm(selected == 1 ? questionOne : questionMany))
        return;
    for (int i = box.count() - 1; i >= 0; --i) {
        if (!box.Selected(i))
            continue;
        // The box keeps an entry the list could not give up, to stay in step.
        const LONG before = entries.Count();
        remove(i);
        if (entries.Count() < before)
            delete box.takeItem(i);
    }
    UpdateButtons();
}

void TfrmSettings::ReportNoNewWindow()
{
    MessageBoxA(this, "FATAL ERROR : Cannot create new window", nullptr, MB_ICONERROR);
}
