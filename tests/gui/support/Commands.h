// Running a command of a window by the name of a control that carries it,
// as a click or a menu choice would.
#pragma once

class QWidget;

// False, with the reason in the test log, when window has no menu item or
// tool button of that name or it is disabled; a test that reaches a command
// this way needs no enabling check of its own.
[[nodiscard]] bool TriggerCommand(QWidget& window, const char* name);
