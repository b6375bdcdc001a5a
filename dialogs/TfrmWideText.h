// The header path window: one line of text too long for the list it comes
// from, shown read-only; the same window is the input box for a prefix.
// It lives for one modal showing and frees itself when it closes.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

class TfrmWideText : public QDialog {
    Q_OBJECT
public:
    // target is read now and, when the window is editable, receives the
    // typed text when the window closes, however it closes: there is no
    // cancel. The caller's text must outlive the window.
    TfrmWideText(QWidget* owner, bool editable, QString& target, const QString& caption);

    // Enter and Escape close the window; true when the key was taken.
    bool FormKeyPress(QKeyCombination key);

    QLineEdit* Edit1;

public slots:
    void done(int result) override;

private:
    void FormClose();

    bool editable;
    QString& target;
};
