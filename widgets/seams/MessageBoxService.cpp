#include "widgets/seams/MessageBoxService.h"

#include "widgets/AnsiQString.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {

QMessageBox::Icon IconOf(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

class QtMessageBoxes final : public MessageBoxService {
public:
    int Show(QWidget* owner, const std::string& text, const std::string& caption, UINT flags) override
    {
        QMessageBox box(IconOf(flags), FromAnsi(caption), FromAnsi(text), QMessageBox::NoButton, owner);
        struct Choice {
            QMessageBox::StandardButton button;
            int answer;
        };
        std::vector<Choice> choices;
        switch (flags & MB_TYPEMASK) {
        case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
        case MB_YESNOCANCEL:
            choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
            break;
        case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
        default: choices = {{QMessageBox::Ok, IDOK}}; break;
        }
        for (const Choice& choice : choices)
            box.addButton(choice.button);
        box.setDefaultButton(choices.front().button);
        box.exec();
        const auto pressed = box.standardButton(box.clickedButton());
        for (const Choice& choice : choices) {
            if (choice.button == pressed)
                return choice.answer;
        }
        // Closed by the title bar or Escape: what the system answers then.
        const UINT type = flags & MB_TYPEMASK;
        return type == MB_YESNO ? IDNO : type == MB_OK ? IDOK : IDCANCEL;
    }
};

} // namespace

template <> MessageBoxService& Seam<MessageBoxService>::Default()
{
    static QtMessageBoxes boxes;
    return boxes;
}

int MessageBoxA(QWidget* owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    return Seam<MessageBoxService>::Get().Show(owner, text != nullptr ? text : "",
                                               caption != nullptr ? caption : DefaultMessageBoxCaption, flags);
}
