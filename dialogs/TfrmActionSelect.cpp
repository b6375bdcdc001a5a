#include "dialogs/TfrmActionSelect.h"

#include "output/GeneratorExpression.h"
#include "widgets/AnsiQString.h"
#include "widgets/seams/MessageBoxService.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int SwitchTag = 0;
constexpr int ElseIfTag = 1;
const char* const TagProperty = "tag";

} // namespace

TfrmActionSelect::TfrmActionSelect(QWidget* owner) : QDialog(owner)
{
    BuildLayout(owner);
    rbSwitch->setProperty(TagProperty, SwitchTag);
    rbElseIf->setProperty(TagProperty, ElseIfTag);
    for (const QRadioButton* button : {rbSwitch, rbElseIf})
        connect(button, &QRadioButton::clicked, this, [this, button] { rbSwitchClick(button); });
    connect(Button1, &QPushButton::clicked, this, &TfrmActionSelect::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmActionSelect::rbSwitchClick(const QRadioButton* sender)
{
    const bool required = sender->property(TagProperty).toInt() != SwitchTag;
    stxtExpresion->setText(required ? QStringLiteral("Expression (Requred) :")
                                    : QStringLiteral("Expression (Optional) :"));
}

void TfrmActionSelect::Button1Click()
{
    const ExpressionCheck check = CheckExpression(Expression(), Syntax());
    // A refusal is shown before the edit takes its new text.
    if (check.Refusal)
        MessageBoxA(this, check.Refusal->Text, check.Refusal->Caption, MB_ICONEXCLAMATION);
    txtExpression->setText(FromAnsi(check.EditText));
    if (check.Refusal) {
        txtExpression->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

GeneratedSyntax TfrmActionSelect::Syntax() const
{
    return rbElseIf->isChecked() ? GeneratedSyntax::IfElseIf : GeneratedSyntax::Switch;
}

std::string TfrmActionSelect::Expression() const
{
    return ToAnsi(txtExpression->text());
}

bool TfrmActionSelect::Brackets() const
{
    return chkBrackets->isChecked();
}

bool TfrmActionSelect::AlsoToClipboard() const
{
    return chkClipboard->isChecked();
}
