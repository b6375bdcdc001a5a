// The enabling rules as a table of window states, and the popup menus that
// apply them when they open.
#include "support/Commands.h"
#include "support/MainWindowFixture.h"
#include "app/CommandStates.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <initializer_list>

namespace {

CommandSet Enabled(std::initializer_list<Command> commands)
{
    CommandSet set;
    for (Command command : commands)
        set.Set(command, true);
    return set;
}

struct StateCase {
    const char* name;
    WindowState state;
    CommandSet expected;
};

} // namespace

class CommandStates : public QObject {
    Q_OBJECT

private slots:
    void enabledCommandsFollowTheWindowState()
    {
        using enum Command;
        using enum FocusedPane;
        const StateCase cases[] = {
            {"nothing loaded or focused", {}, {}},
            {"output pane with text", {Output, false}, Enabled({SaveMenu, PrintMenu})},
            {"empty output pane", {Output, true}, {}},
            {"last-error pane with text", {LastError, false}, Enabled({SaveMenu, PrintMenu})},
            {"text, but another control focused", {Other, false}, {}},
            {"codes without a selection", {Other, true, 3, false}, Enabled({Find, FindNext})},
            {"a selected code",
             {Other, true, 3, true},
             Enabled({Find, FindNext, Copy, CopyToActionList, ViewCodeDeclaration})},
            {"listed actions without a selection",
             {Other, true, 0, false, 2, false},
             Enabled({ActionMake, ActionListClear})},
            {"a selected action, no codes",
             {Other, true, 0, false, 2, true},
             Enabled({ActionMake, ActionListClear, ActionListDelete})},
        };
        for (const StateCase& c : cases)
            QVERIFY2(EnabledCommands(c.state) == c.expected, c.name);
    }

    void codePopupMirrorsTheLastRecomputeButDeclarationFollowsTheSelection()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.Codes->SetRows(CodeRows(3));
        main.ListView1->SelectRow(0);
        main.OnControlChange();
        // A selection that changes without a recompute, as from the keyboard.
        main.ListView1->clearSelection();
        emit main.pmnuCList->aboutToShow();
        QVERIFY(!main.pmnuCGotoCodes->isEnabled());
        QVERIFY(main.pmnuCCopy->isEnabled());
        QVERIFY(main.pmnuCFind->isEnabled());
    }

    void removeFromThePopupThenNothingIsLeftToRemove()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.Create();
        main.Actions->SetRows(CodeRows(2));
        main.lvAction->SelectRow(1);
        main.OnControlChange();
        emit main.pmnuAList->aboutToShow();
        QVERIFY(TriggerCommand(main, "pmnuARemove"));
        QCOMPARE(main.Actions->Count(), 1);

        emit main.pmnuAList->aboutToShow();
        QVERIFY(!TriggerCommand(main, "pmnuARemove"));
        QVERIFY(!TriggerCommand(main, "cmdActionListDelete"));
        QCOMPARE(main.Actions->Count(), 1);
    }
};

QTEST_MAIN(CommandStates)
#include "tst_command_states.moc"
