#include "dialogs/TfrmFind.h"

#include "dialogs/MainWindowLink.h"
#include "widgets/AnsiQString.h"
#include "widgets/KeyPreview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>

TfrmFind* frmFind = nullptr;

namespace {

// Keys that move between the controls belong to the window, as in any
// dialog: the text box keeps its arrow keys, the buttons do not.
bool MovesBetweenControls(const QObject* receiver, const QWidget* textBox, int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return receiver != textBox;
    default: return false;
    }
}

} // namespace

TfrmFind::TfrmFind(MainWindowLink& main_)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint
                           // Above every window, so that the rows it finds in the
                           // main window can be watched while searching on.
                           | Qt::WindowStaysOnTopHint),
      main(main_)
{
    BuildLayout();
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

SearchSettings TfrmFind::CurrentSettings() const
{
    SearchSettings settings;
    settings.ByMnemonic = RadioButton1->isChecked();
    settings.Text = ToAnsi(Edit1->text());
    if (rbCycl->isChecked())
        settings.Direction = SearchDirection::Cyclic;
    else if (rbUp->isChecked())
        settings.Direction = SearchDirection::Up;
    else
        settings.Direction = SearchDirection::Down;
    settings.CaseSensitive = chkCaseSens->isChecked();
    settings.WholeText = chkWholeWords->isChecked();
    return settings;
}

void TfrmFind::ShowInFront()
{
    show();
    raise();
    activateWindow();
    Edit1->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmFind::Edit1KeyDown(int key)
{
    if (key == Qt::Key_Escape) {
        close();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F3) {
        main.FindCode(CurrentSettings(), this);
        // A window manager may hand the focus to the main window when the
        // search's message box closes, and skip this tool window.
        if (isVisible())
            activateWindow();
    }
    // Typing anywhere in the window goes on in the text box.
    Edit1->setFocus(Qt::OtherFocusReason);
}

bool TfrmFind::eventFilter(QObject* watched, QEvent* event)
{
    const int key = KeyPressAtFocus(*this, watched, event);
    if (key != 0 && !MovesBetweenControls(watched, Edit1, key))
        Edit1KeyDown(key);
    // The control still receives the key.
    return false;
}

void TfrmFind::closeEvent(QCloseEvent* event)
{
    main.FindWindowClosed();
    event->accept();
}

std::unique_ptr<TfrmFind> CreateFindWindow(MainWindowLink& main)
{
    auto window = std::make_unique<TfrmFind>(main);
    main.SetFindWindow(window.get());
    main.WatchShortcutsIn(window.get());
    return window;
}
