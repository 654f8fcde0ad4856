#include "shell/ui/formwindow.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <functional>
#include <string_view>
#include <vector>

#include "shell/ui/claimcommands.h"
#include "shell/ui/claimmenu.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/helpmenu.h"
#include "shell/ui/look.h"
#include "shell/ui/worksheetwindow.h"

namespace corvell::ui {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

// A field undoes its own typing with Ctrl+Z; with nothing of its own left
// to undo, the key goes to the window's Undo command (Undo Clear), if it has
// one enabled. Every other key of the menus is one no field uses.
class UndoAfterField final : public QObject {
public:
    UndoAfterField(QWidget& clientArea, QList<QAction*> commands)
        : QObject(&clientArea), commands_(std::move(commands)) {
        for (QWidget* control : clientArea.findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) || fieldCanUndo(watched)) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : commands_) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();  // not for the field: the shortcut goes to the menu
                return true;
            }
        }
        return false;
    }

private:
    static bool fieldCanUndo(QObject* watched) {
        if (const auto* line = qobject_cast<QLineEdit*>(watched)) {
            return line->isUndoAvailable();
        }
        if (const auto* box = qobject_cast<QPlainTextEdit*>(watched)) {
            return box->document()->isUndoAvailable();
        }
        return false;
    }

    QList<QAction*> commands_;
};

}  // namespace

FormWindow::FormWindow(const WindowLayout& layout, QWidget* parent)
    : QMainWindow(parent), id_(layout.id), clientArea_(new QWidget(this)) {
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea_);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    menuBar()->setFont(menuFont());
    setUpWindow(*this, layout);
}

// File: the claim's commands, the window's own, the report's, Close. Edit:
// the window's own, if any. Help: How Was This Calculated? on a window that
// calculates, then Keyboard Shortcuts and About.
void FormWindow::addMenus(FormBinder& binder, const MenuCommands& commands) {
    binder_ = &binder;
    const Services& services = binder.services();
    QMenu& file = addMenu(*menuBar(), menu::mnuFile, QStringLiteral("&File"));
    addClaimCommands(file, *this, services.claims);
    file.addSeparator();
    if (!commands.file.empty()) {
        addWindowCommands(file, commands.file);
        file.addSeparator();
    }
    if (commands.print) {
        addPrintCommands(file, binder, *commands.print);
        file.addSeparator();
    }
    addCommand(file, menu::mnuClose, QStringLiteral("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W),
               [&binder, close = commands.close] { binder.command(close); });
    addCommand(file, menu::mnuQuit, QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this, &services] { services.endProgram(*this); });
    if (!commands.edit.empty()) {
        addWindowCommands(addMenu(*menuBar(), menu::mnuEdit, QStringLiteral("&Edit")),
                          commands.edit);
    }
    if (!commands.buttons.empty()) {
        addButtonCommands(addMenu(*menuBar(), menu::mnuCalculator,
                                  QStringLiteral("&") + qs(navigationCaption(id_))),
                          binder, commands.buttons);
    }
    QMenu& help = addMenu(*menuBar(), menu::mnuHelp, QStringLiteral("&Help"));
    if (binder.model().worksheet()) {
        addCommand(help, menu::mnuWorksheet, QStringLiteral("&How Was This Calculated?"),
                   QKeySequence(Qt::Key_F1),
                   [this, &binder] { worksheetWindow(*this, binder).showWorksheet(); });
        help.addSeparator();
    }
    addHelpCommands(help, *this, services.dialogs);

    connect(&binder, &FormBinder::modelChanged, this, [this, &claims = services.claims] {
        updateCommands();
        claims.modelChanged();
    });
    updateCommands();
    services.claims.attach(*this);
    // Last, so that it knows every command above.
    new UndoAfterField(clientArea(), menuBar()->findChildren<QAction*>());
}

void FormWindow::addPrintCommands(QMenu& file, FormBinder& binder, ControlName print) {
    const auto send = [&binder, print](PrintRoute route) {
        return [&binder, print, route] { binder.command(print, route); };
    };
    std::vector<QAction*> printing = {
        addCommand(file, menu::mnuPrintPreview, QStringLiteral("Print Pre&view..."), {},
                   send(PrintRoute::Preview)),
        addCommand(file, menu::mnuExportPdf, QStringLiteral("&Export PDF..."),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), send(PrintRoute::PdfFile)),
    };
    // The report followed by how its figures were reached; refused as Print is.
    if (binder.model().worksheet()) {
        printing.push_back(addCommand(file, menu::mnuExportWorksheetPdf,
                                      QStringLiteral("Export &Worksheet PDF..."), {},
                                      send(PrintRoute::PdfFileWithWorksheet)));
    }
    printing.push_back(addCommand(file, menu::mnuPrint, QStringLiteral("&Print..."),
                                  QKeySequence(Qt::CTRL | Qt::Key_P), send(PrintRoute::Printer)));
    if (QWidget* button = findControl<QPushButton>(*this, print)) {
        new FollowEnabled(*button, std::move(printing));
    }
}

void FormWindow::addButtonCommands(QMenu& menu, FormBinder& binder,
                                   const std::vector<ButtonCommand>& commands) {
    for (const ButtonCommand& command : commands) {
        QAction* action =
            addCommand(menu, command.name, command.text, command.shortcut,
                       [&binder, button = command.button] { binder.command(button); });
        if (QWidget* button = findControl<QPushButton>(*this, command.button)) {
            new FollowEnabled(*button, {action});
        }
    }
}

std::vector<ButtonCommand> calculatorCommands(ControlName calculate, ControlName clear,
                                              std::vector<ButtonCommand> between) {
    std::vector<ButtonCommand> commands = {{menu::mnuCalculate, calculate,
                                            QStringLiteral("&Calculate"),
                                            QKeySequence(Qt::CTRL | Qt::Key_Return)}};
    commands.insert(commands.end(), between.begin(), between.end());
    commands.push_back({menu::mnuClear, clear, QStringLiteral("C&lear"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)});
    return commands;
}

void FormWindow::addWindowCommands(QMenu& menu, const std::vector<MenuCommand>& commands) {
    for (const MenuCommand& command : commands) {
        QAction* action =
            addCommand(menu, command.name, command.text, command.shortcut, command.run);
        if (command.enabled) {
            conditional_.emplace_back(action, command.enabled);
        }
    }
}

void FormWindow::updateCommands() {
    for (const auto& [action, enabled] : conditional_) {
        action->setEnabled(enabled());
    }
}

void FormWindow::showModel() {
    if (binder_ != nullptr) {
        binder_->push();
    }
    updateCommands();
}

void FormWindow::showClaimFile(const QString& fileName, bool modified) {
    const QString title = qs(corvell::windowTitle(id_));
    if (fileName.isEmpty()) {
        setWindowTitle(title);
        setWindowModified(false);
        return;
    }
    // "[*]" marks where the window system shows a change; one in the name
    // itself is written twice to stand for itself.
    QString name = fileName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral(" - ") + name + QStringLiteral("[*]"));
    setWindowModified(modified);
}

}  // namespace corvell::ui
