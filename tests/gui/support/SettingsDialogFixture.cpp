#include "SettingsDialogFixture.h"

#include "dialogs/TfrmSettingsListBox.h"
#include "platform/codepage.h"

#include <QTest>
#include <QTimer>

void SettingsDialogFixture::SetPrefixes(const QStringList& prefixes)
{
    TSettings::tagErrorsOptions& lists = Lists();
    while (lists.Prefixes.Count() > 0)
        lists.RemovePrefix(lists.Prefixes.Count() - 1);
    for (const QString& prefix : prefixes)
        lists.AddPrefix(Utf8ToAnsi1252(prefix.toStdString()).c_str(), true);
}

TfrmSettings& SettingsDialogFixture::Create()
{
    TfrmMain& window = main.CreateShown();
    dialog = std::make_unique<TfrmSettings>(window);
    window.SetSettingsDialog(dialog.get());
    return *dialog;
}

bool SettingsDialogFixture::WhileOpen(const std::function<void()>& inside)
{
    struct Outcome {
        bool cameUp = false;
        bool timedOut = false;
    };
    auto outcome = std::make_shared<Outcome>();
    TfrmSettings* window = dialog.get();
    QTimer::singleShot(0, window, [outcome, window, inside] {
        outcome->cameUp = QTest::qWaitForWindowActive(window);
        inside();
        if (window->isVisible())
            window->close();
    });
    // A dialog that does not close fails the test instead of hanging it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, window, [outcome, window] {
        outcome->timedOut = true;
        window->done(QDialog::Rejected);
    });
    guard.start(10000);
    main.Window().cmdOptionsClick();
    return outcome->cameUp && !outcome->timedOut;
}

QStringList ItemTexts(const TListBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

QList<int> SelectedItems(const TListBox& list)
{
    QList<int> selected;
    for (int i = 0; i < list.count(); ++i) {
        if (list.Selected(i))
            selected.append(i);
    }
    return selected;
}

QStringList PrefixesWithFlags()
{
    const TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;
    QStringList entries;
    for (LONG i = 0; i < lists.Prefixes.Count(); ++i) {
        QString entry = QString::fromStdString(Ansi1252ToUtf8(lists.Prefixes.Text(i)));
        if (lists.PrefixSelected[i] != 0)
            entry += QLatin1Char('*');
        entries.append(entry);
    }
    return entries;
}
