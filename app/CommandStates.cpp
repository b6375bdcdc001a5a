#include "app/CommandStates.h"

CommandSet CommandSet::All()
{
    CommandSet all;
    all.bits.set();
    return all;
}

CommandSet EnabledCommands(const WindowState& state)
{
    CommandSet enabled;
    const bool textToKeep = state.focused != FocusedPane::Other && !state.focusedPaneEmpty;
    enabled.Set(Command::SaveMenu, textToKeep);
    enabled.Set(Command::PrintMenu, textToKeep);

    for (Command command : {Command::Copy, Command::CopyToActionList, Command::ViewCodeDeclaration})
        enabled.Set(command, state.codeSelected);
    for (Command command : {Command::Find, Command::FindNext})
        enabled.Set(command, state.codeRows > 0);

    for (Command command : {Command::ActionMake, Command::ActionListClear})
        enabled.Set(command, state.actionRows > 0);
    enabled.Set(Command::ActionListDelete, state.actionSelected);
    return enabled;
}
