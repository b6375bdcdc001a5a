#include "widgets/Controls.h"

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFixedSize(26, 25);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus);
}

TBevel::TBevel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::VLine | QFrame::Raised);
    setFixedSize(3, 17);
}

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
}

void SetWindowFlatButtons(QWidget& window, bool flat)
{
    for (QObject* component : window.findChildren<QObject*>()) {
        if (IsOfClass(component, "TSpeedButton"))
            static_cast<TSpeedButton*>(component)->SetFlat(flat);
        else if (IsOfClass(component, "TBevel"))
            static_cast<QWidget*>(component)->setVisible(flat);
    }
}
