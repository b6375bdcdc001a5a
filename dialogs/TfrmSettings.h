// The settings dialog: the header and prefix lists with their selections
// ("General") and the display options ("Other"). Made once at start-up and
// shown modally any number of times; it has no OK or Cancel: changes go into
// Settings as they are made, and the list selections whenever it closes.
#pragma once

#include "dialogs/SettingsDialogLink.h"
#include "platform/win32_types.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QRadioButton;
class QTabWidget;
class TListBox;
class TPanel;
class TSpeedButton;
class MainWindowLink;
class TStatusBar;
class TStringsStorage;

class TfrmSettings : public QDialog, public SettingsDialogLink {
    Q_OBJECT
public:
    // The dialog applies its options to main at once; main must outlive it.
    explicit TfrmSettings(MainWindowLink& main);

    void ShowModal() override;
    void ShowFirstPage() override;
    void ShowSettingsHint() override;

    // Recomputes which of the General page's buttons are enabled.
    void UpdateButtons();

    // The General page.
    void lbHeadersDblClick();
    void cmdAddHeaderClick();
    void cmdDeleteHeaderClick();
    void cmdAddPrefixClick();
    void cmdEditPrefixClick();
    void cmdDeletePrefixClick();
    void cmdPrefixSelAllClick();
    void cmdPrefixSelNoneClick();

    // The Other page.
    void SetDialogFlatButtons(bool flat);
    void chkFlatButtonsClick();
    void chkPopupHintsClick();
    void chkBottomHintsClick();
    void chkUseTrayClick();
    void chkHideAtStartClick();
    void rbEscapeKeySelection(QRadioButton* sender);

    // The controls, by their names in the program.
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QGroupBox* GroupBox1;
    TListBox* lbHeaders;
    TSpeedButton* cmdAddHeader;
    TSpeedButton* cmdDeleteHeader;
    QGroupBox* GroupBox2;
    TListBox* lbPrefix;
    TSpeedButton* cmdAddPrefix;
    TSpeedButton* cmdEditPrefix;
    TSpeedButton* cmdDeletePrefix;
    TSpeedButton* cmdPrefixSelAll;
    TSpeedButton* cmdPrefixSelNone;

    QWidget* TabSheet2;
    QFrame* Bevel1;
    QCheckBox* chkFlatButtons;
    QCheckBox* chkPopupHints;
    QCheckBox* chkBottomHints;
    QCheckBox* chkUseTray;
    QCheckBox* chkHideAtStart;
    QGroupBox* GroupBox3;
    QRadioButton* rbEscapeNothings;
    QRadioButton* rbEscapeHides;
    QRadioButton* rbEscapeClosed;

    TPanel* Panel1;
    TStatusBar* StatusBar1;

public slots:
    // Every way of closing, the close box included, ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void BuildGeneralPage();
    void BuildOtherPage();
    void BindHandlers();

    void FormCreate();
    void FormShow();
    bool FormKeyDown(QKeyCombination key);
    void FormClose();
    void FillHeaderList();
    void SelectPrefixes();

    // Asks the "Confirm" question; true on Yes.
    bool Confirm(const char* question);
    // Deletes box's selected entries from the list it shows, entries, through
    // remove, once the question for one entry or for several is answered Yes.
    void DeleteSelected(TListBox& box, const TStringsStorage& entries, const std::function<void(LONG)>& remove,
                        const char* questionOne, const char* questionMany);
    void ReportNoNewWindow();

    MainWindowLink& main;
};

// The settings dialog of the run; null outside it.
extern TfrmSettings* frmSettings;
