#include "shell/ui/menucommand.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QString qs(ControlName name) {
    return QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
}

}  // namespace

QMenu& addMenu(QMenuBar& bar, ControlName name, const QString& title) {
    QMenu* menu = bar.addMenu(title);
    menu->setObjectName(qs(name));
    menu->setFont(menuFont());
    return *menu;
}

QMenu& addSubmenu(QMenu& menu, ControlName name, const QString& title) {
    QMenu* submenu = menu.addMenu(title);
    submenu->setObjectName(qs(name));
    submenu->setFont(menuFont());
    return *submenu;
}

QAction* addCommand(QMenu& menu, ControlName name, const QString& text,
                    const QKeySequence& shortcut, std::function<void()> run) {
    QAction* action = menu.addAction(text);
    action->setObjectName(qs(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &menu, [run = std::move(run)] { run(); });
    return action;
}

}  // namespace corvell::ui
