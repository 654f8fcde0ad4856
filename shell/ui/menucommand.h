#pragma once
// Menus and their commands as every window builds them: each command carries
// its objectName, so that tests and scripts find it as they find controls.

#include <QKeySequence>
#include <QString>
#include <functional>

#include "shell/controlname.h"

class QAction;
class QMenu;
class QMenuBar;

namespace corvell::ui {

// A command of a window's own: its objectName, text and shortcut, what it
// does, and when it is enabled (always, unless `enabled` is given).
struct MenuCommand {
    ControlName name;
    QString text;
    QKeySequence shortcut = {};
    std::function<void()> run;
    std::function<bool()> enabled = {};
};

QMenu& addMenu(QMenuBar& bar, ControlName name, const QString& title);
QMenu& addSubmenu(QMenu& menu, ControlName name, const QString& title);
QAction* addCommand(QMenu& menu, ControlName name, const QString& text,
                    const QKeySequence& shortcut, std::function<void()> run);

}  // namespace corvell::ui
