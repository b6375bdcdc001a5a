// The declaration viewer: a header file shown whole, read-only, with the line
// that declared a code marked in red and a little larger. One viewer per
// viewing, shown modally and destroyed when it closes.
#pragma once

#include <QDialog>

#include <string>

struct CodeEntry;
class KeyPreview;
class QAction;
class QMenu;
class QPlainTextEdit;
class QTextCursor;
class TStatusBar;

class TfrmDeclaration : public QDialog {
    Q_OBJECT
public:
    // The viewer of the header at path (8-bit), showing text.
    TfrmDeclaration(QWidget* owner, const std::string& path, const QString& text);

    // A viewer of row's header, set to its declaring line, with the line
    // number and the mnemonic in the status bar; null when the header can
    // no longer be opened or read.
    static TfrmDeclaration* ForRow(QWidget* owner, const CodeEntry& row);

    // The declaring line, as positions of the text: where it starts and how
    // many characters it has, its line end included. Set before showing.
    qsizetype LineStart = 0;
    qsizetype LineLength = 0;

    // Shows the viewer and returns when it has closed; the viewer is gone
    // by then.
    void ShowModal();

    // The declaring line, selected, within the text.
    QTextCursor DeclarationCursor() const;

    void FormShow();
    void FormKeyPress(char key);
    void PopupMenu1Popup();
    void pmnuCopyClick();
    void pmnuSelectAllClick();
    void pmnuBackClick();
    void pmnuCloseClick();

    // The controls, by their names in the program.
    QPlainTextEdit* RichEdit1;
    TStatusBar* StatusBar1;
    QMenu* PopupMenu1;
    QAction* pmnuCopy;
    QAction* pmnuSelectAll;
    QAction* pmnuBack;
    QAction* pmnuClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The line panel's text is this and the declaring line's number.
    static constexpr const char* LineCaption = "Line : ";

    void BuildLayout(const std::string& path);
    void BuildPopupMenu();
    bool PreviewKey(QKeyCombination key);

    KeyPreview* keys = nullptr;
    bool shown = false;
};
