// The Output pane's text model bound to its edit control. The control keeps
// Unicode text with LF line breaks; the model sees the program's 8-bit text
// with CR LF, so lengths and the append check count as the program does.
#pragma once

#include "output/OutputPane.h"

#include <QObject>

#include <cstddef>
#include <limits>

class QPlainTextEdit;

class OutputPaneBinding : public QObject, public OutputPane {
    Q_OBJECT
public:
    // Lives as long as edit, whose child it becomes.
    explicit OutputPaneBinding(QPlainTextEdit* edit);

    std::string Text() const override;
    void SetText(std::string_view text) override;

    // The most characters appends may fill the pane to, as an edit
    // control's text limit; the program sets none of its own. What the user
    // types is not limited.
    void SetCapacity(std::size_t characters) { capacity = characters; }

protected:
    bool InsertAtEnd(std::string_view text) override;

private:
    QPlainTextEdit* edit;
    std::size_t capacity = std::numeric_limits<std::size_t>::max();
};
