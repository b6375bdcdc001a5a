// Which of the main window's commands are enabled, decided from what the
// window shows and nothing else. OnControlChange and the two popup menus
// only apply the result, so a new command gets its rule here and nowhere
// else.
#pragma once

#include <bitset>
#include <cstddef>

// The commands the main window enables and disables; every other command
// is always enabled.
enum class Command : std::size_t {
    // The File menu's items only: their tool buttons stay enabled.
    SaveMenu,
    PrintMenu,
    Copy,
    CopyToActionList,
    Find,
    FindNext,
    // "View Declaration" on the code list's popup.
    ViewCodeDeclaration,
    ActionMake,
    ActionListClear,
    // Remove, and the action list's popup items that need a row.
    ActionListDelete,
    Count
};

class CommandSet {
public:
    // Every command enabled, as the window is laid out.
    static CommandSet All();

    bool Has(Command command) const { return bits.test(static_cast<std::size_t>(command)); }
    void Set(Command command, bool enabled) { bits.set(static_cast<std::size_t>(command), enabled); }
    bool operator==(const CommandSet&) const = default;

private:
    std::bitset<static_cast<std::size_t>(Command::Count)> bits;
};

// The text pane that has the focus, or another control: Save and Print take
// the focused pane's text.
enum class FocusedPane { Other, Output, LastError };

// What the enabling rules look at.
struct WindowState {
    FocusedPane focused = FocusedPane::Other;
    bool focusedPaneEmpty = true;
    int codeRows = 0;
    bool codeSelected = false;
    int actionRows = 0;
    bool actionSelected = false;
};

CommandSet EnabledCommands(const WindowState& state);
