// The code generator's dialog ("Make..."): the syntax, the expression to
// dispatch on and two options. It starts from the same defaults every time
// and remembers nothing; the caller reads its choices after "Do it".
#pragma once

#include "output/CodeGenerator.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmActionSelect : public QDialog {
    Q_OBJECT
public:
    explicit TfrmActionSelect(QWidget* owner);

    // Either radio button: the expression heading says whether the chosen
    // syntax needs an expression.
    void rbSwitchClick(const QRadioButton* sender);
    // "Do it": trims the expression and closes with OK, unless the chosen
    // syntax needs an expression and there is none.
    void Button1Click();

    GeneratedSyntax Syntax() const;
    // The expression in the program's code page, as the edit shows it.
    std::string Expression() const;
    bool Brackets() const;
    bool AlsoToClipboard() const;

    QLabel* StaticText2;
    QRadioButton* rbSwitch;
    QRadioButton* rbElseIf;
    QLabel* stxtExpresion;
    QLineEdit* txtExpression;
    QLabel* StaticText1;
    QCheckBox* chkBrackets;
    QCheckBox* chkClipboard;
    QFrame* Bevel1;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void BuildLayout(QWidget* owner);
};
