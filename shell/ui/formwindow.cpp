#include "shell/ui/formwindow.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <functional>
#include <vector>

#include "shell/ui/formbinder.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/worksheetwindow.h"

namespace corvell::ui {
namespace {

QString qs(ControlName name) {
    return QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
}

// Appends the command, or inserts it in front of `before`.
QAction* addCommand(QMenu& menu, ControlName name, const QString& text,
                    const QKeySequence& shortcut, std::function<void()> run,
                    QAction* before = nullptr) {
    auto* action = new QAction(text, &menu);
    menu.insertAction(before, action);
    action->setObjectName(qs(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &menu, [run = std::move(run)] { run(); });
    return action;
}

// Menu commands that stand for a button are enabled while the button is: a
// command the button could not give is greyed out, its shortcut too.
class FollowEnabled final : public QObject {
public:
    FollowEnabled(QWidget& button, std::vector<QAction*> actions)
        : QObject(&button), button_(button), actions_(std::move(actions)) {
        button.installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            update();
        }
        return false;
    }

private:
    void update() {
        for (QAction* action : actions_) {
            action->setEnabled(button_.isEnabled());
        }
    }

    QWidget& button_;
    std::vector<QAction*> actions_;
};

// A field takes some keys for itself that are also menu shortcuts (Ctrl+E
// moves to the end of the line on X11 desktops): in this window the menu
// command wins while it is enabled.
class MenuShortcutsFirst final : public QObject {
public:
    MenuShortcutsFirst(QWidget& clientArea, QList<QAction*> commands)
        : QObject(&clientArea), commands_(std::move(commands)) {
        for (QWidget* control : clientArea.findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : commands_) {
            if (action->isEnabled() && !action->shortcut().isEmpty() &&
                action->shortcut() == pressed) {
                event->ignore();  // not for the field: the shortcut goes to the menu
                return true;
            }
        }
        return false;
    }

private:
    QList<QAction*> commands_;
};

}  // namespace

FormWindow::FormWindow(WindowId id, int widthTwips, int heightTwips, QWidget* parent)
    : QMainWindow(parent), clientArea_(new QWidget(this)) {
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea_);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    setUpWindow(*this, id, widthTwips, heightTwips);
}

void FormWindow::addMenus(FormBinder& binder, const MenuCommands& commands) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(qs(menu::mnuFile));
    if (commands.print) {
        const ControlName print = *commands.print;
        const auto send = [&binder, print](PrintRoute route) {
            return [&binder, print, route] { binder.command(print, route); };
        };
        std::vector<QAction*> printing = {
            addCommand(*file, menu::mnuPrintPreview, QStringLiteral("Print Pre&view..."), {},
                       send(PrintRoute::Preview)),
            addCommand(*file, menu::mnuExportPdf, QStringLiteral("&Export PDF..."),
                       QKeySequence(Qt::CTRL | Qt::Key_E), send(PrintRoute::PdfFile)),
            addCommand(*file, menu::mnuPrint, QStringLiteral("&Print..."),
                       QKeySequence(Qt::CTRL | Qt::Key_P), send(PrintRoute::Printer)),
        };
        file->addSeparator();
        if (QWidget* button = findControl<QPushButton>(*this, print)) {
            new FollowEnabled(*button, std::move(printing));
        }
    }
    addCommand(*file, menu::mnuClose, QStringLiteral("&Close"), {},
               [&binder, close = commands.close] { binder.command(close); });
    addWorksheetCommands(binder, commands, *file);
    new MenuShortcutsFirst(clientArea(), menuBar()->findChildren<QAction*>());
}

QMenu& FormWindow::helpMenu() {
    const QString name = qs(menu::mnuHelp);
    if (auto* help = menuBar()->findChild<QMenu*>(name)) {
        return *help;
    }
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(name);
    return *help;
}

void FormWindow::addWorksheetCommands(FormBinder& binder, const MenuCommands& commands,
                                      QMenu& file) {
    if (!binder.model().worksheet()) {
        return;  // a window that calculates nothing
    }
    if (commands.print) {
        const ControlName print = *commands.print;
        // Beside Export PDF...: in front of the command that follows it.
        QAction* exportSheet = addCommand(
            file, menu::mnuExportWorksheetPdf, QStringLiteral("Export &Worksheet PDF..."), {},
            [&binder, print] { binder.command(print, PrintRoute::PdfFileWithWorksheet); },
            findChild<QAction*>(qs(menu::mnuPrint)));
        if (QWidget* button = findControl<QPushButton>(*this, print)) {
            new FollowEnabled(*button, {exportSheet});
        }
    }
    addCommand(helpMenu(), menu::mnuWorksheet, QStringLiteral("&How Was This Calculated?"),
               QKeySequence(Qt::Key_F1),
               [this, &binder] { worksheetWindow(*this, binder).showWorksheet(); });
}

}  // namespace corvell::ui
