#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>

#include <string>

MainWindowFixture::MainWindowFixture() : previousSettings(Settings)
{
    Settings = &settings;
}

MainWindowFixture::~MainWindowFixture()
{
    window.reset();
    Settings = previousSettings;
}

TfrmMain& MainWindowFixture::Create()
{
    window = std::make_unique<TfrmMain>();
    return *window;
}

TfrmMain& MainWindowFixture::CreateShown()
{
    Create();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    return *window;
}

CodeEntry CodeRow(const char* mnemonic, const char* code)
{
    CodeEntry row;
    row.Mnemonic = mnemonic;
    row.SubItems[ciCode] = code;
    row.SubItems[ciFacility] = "NULL";
    row.SubItems[ciSeverity] = "0";
    row.SubItems[ciHeader] = "winerror.h";
    return row;
}

std::vector<CodeEntry> CodeRows(int count)
{
    std::vector<CodeEntry> rows;
    for (int i = 0; i < count; ++i) {
        const std::string name = "ERROR_" + std::to_string(i);
        rows.push_back(CodeRow(name.c_str(), std::to_string(i).c_str()));
    }
    return rows;
}

void FocusControl(QWidget* control)
{
    QWidget* window = control->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    control->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() != control)
        qWarning("the control did not get the focus");
}
