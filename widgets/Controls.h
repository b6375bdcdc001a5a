// The small control classes the windows are built from. Their class names
// are part of the program: SetWindowFlatButtons walks a window for
// "TSpeedButton" and "TBevel", and drag targets test a drag's source for
// "TPanel".
#pragma once

#include <QFrame>
#include <QToolButton>

// A tool button, 26 x 25 as laid out, showing a 16 x 16 picture.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    void SetFlat(bool flat) { setAutoRaise(flat); }
    bool Flat() const { return autoRaise(); }
};

// A separator of the tool bar: a raised vertical line.
class TBevel : public QFrame {
    Q_OBJECT
public:
    explicit TBevel(QWidget* parent = nullptr);
};

class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
};

// Flat buttons or raised ones on every TSpeedButton of window; the tool bar's
// separators (TBevel) show only beside flat buttons.
void SetWindowFlatButtons(QWidget& window, bool flat);

// Finds a component of a window by its class name, as the windows' walks
// over their components do.
inline bool IsOfClass(const QObject* object, const char* className)
{
    return qstrcmp(object->metaObject()->className(), className) == 0;
}
