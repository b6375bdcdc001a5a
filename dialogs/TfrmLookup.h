// The Lookup window: one box for a code, a name or a line copied from a log,
// and under it the report vantrel-lookup prints for it, read-only. A line of
// the report that names a definition which is also a row of the code list
// leads to that row, by a double-click or Enter. It answers from the
// built-in catalogue and the headers the settings select, so it needs no
// Load. Closing only hides it: it keeps its text and its place for the run.
#pragma once

#include "lookup/TypedLookup.h"

#include <QWidget>

#include <memory>
#include <vector>

class LookupCatalogue;
class MainWindowLink;
class QLineEdit;
class QPlainTextEdit;

class TfrmLookup : public QWidget {
    Q_OBJECT
public:
    TfrmLookup(MainWindowLink& main, QWidget* owner);
    ~TfrmLookup() override;

    // Shows the window, or brings it to the front, with the box focused.
    void ShowInFront();
    // Reports on the box's text.
    void txtLookupTermChange();
    // Selects the code list's row of the definition on line (from 0) of the
    // report; false when the line names none or no row is it.
    bool ReportLineActivate(int line);

    QLineEdit* txtLookupTerm;
    QPlainTextEdit* txtLookupReport;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();

    MainWindowLink& main;
    std::unique_ptr<LookupCatalogue> catalogue;
    std::vector<ShownDefinition> shown;
};
