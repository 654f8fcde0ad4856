#pragma once
// The Help menu's commands on every window: About Corvell's Calculator and
// Keyboard Shortcuts, each a message in the window it was given on.

#include <QString>

class QMenu;
class QWidget;

namespace corvell::ui {

class Dialogs;

void addHelpCommands(QMenu& help, QWidget& window, Dialogs& dialogs);

// What the two commands show.
QString aboutText();
QString keyboardShortcutsText();

}  // namespace corvell::ui
