#pragma once
// The frame every window shares: a menu bar above the client area, where the
// window's layout table places its controls (in twips from the client area's
// top left corner). A menu command stands for a button of the window and runs
// that button's own handler, so it does, and refuses, exactly what the button
// does. The menus are built here, once for every window: a window only says
// which of its buttons they stand for, and adds the commands of its own.
//
// The menus: File (the claim's commands, the window's own, the report's,
// Close, Quit), Edit when the window has commands for it, a calculator's own
// menu named after it (its Calculate, Clear and the like, each with a key of
// its own while the buttons keep their captions), Help. The window's title
// shows the claim's file once it has one.

#include <QMainWindow>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "shell/controlname.h"
#include "shell/layout.h"
#include "shell/navigation.h"
#include "shell/ui/menucommand.h"

class QAction;
class QMenu;

namespace corvell::ui {

class FormBinder;

// The menus and their commands, by objectName.
namespace menu {
inline constexpr ControlName mnuFile{"mnuFile"};
inline constexpr ControlName mnuNewClaim{"mnuNewClaim"};
inline constexpr ControlName mnuOpenClaim{"mnuOpenClaim"};
inline constexpr ControlName mnuOpenRecent{"mnuOpenRecent"};
inline constexpr ControlName mnuSaveClaim{"mnuSaveClaim"};
inline constexpr ControlName mnuSaveClaimAs{"mnuSaveClaimAs"};
inline constexpr ControlName mnuPrintPreview{"mnuPrintPreview"};
inline constexpr ControlName mnuExportPdf{"mnuExportPdf"};
inline constexpr ControlName mnuPrint{"mnuPrint"};
inline constexpr ControlName mnuClose{"mnuClose"};
inline constexpr ControlName mnuQuit{"mnuQuit"};
inline constexpr ControlName mnuCalculator{"mnuCalculator"};
inline constexpr ControlName mnuCalculate{"mnuCalculate"};
inline constexpr ControlName mnuClear{"mnuClear"};
inline constexpr ControlName mnuExportWorksheetPdf{"mnuExportWorksheetPdf"};
inline constexpr ControlName mnuEdit{"mnuEdit"};
inline constexpr ControlName mnuHelp{"mnuHelp"};
inline constexpr ControlName mnuWorksheet{"mnuWorksheet"};
inline constexpr ControlName mnuAbout{"mnuAbout"};
inline constexpr ControlName mnuKeyboardShortcuts{"mnuKeyboardShortcuts"};
}  // namespace menu

// A command of a calculator's own menu: it stands for one of the window's
// buttons, and is enabled while the button is.
struct ButtonCommand {
    ControlName name;  // the command's objectName
    ControlName button;
    QString text;
    QKeySequence shortcut;
};

// The buttons of a window its menus stand for (a window without a Print
// button has no print commands), and the commands of the window's own.
struct MenuCommands {
    std::optional<ControlName> print = std::nullopt;  // Print Preview..., Export PDF..., Print...
    ControlName close;                                // Close
    std::vector<ButtonCommand> buttons = {};          // the calculator's menu; none when empty
    std::vector<MenuCommand> file = {};  // in the File menu, after the claim's commands
    std::vector<MenuCommand> edit = {};  // the Edit menu; none when empty
};

// A calculator's menu: Calculate, the commands `between`, then Clear.
std::vector<ButtonCommand> calculatorCommands(ControlName calculate, ControlName clear,
                                              std::vector<ButtonCommand> between = {});

class FormWindow : public QMainWindow {
public:
    // Title and objectName of the window, a client area of the size given
    // that the window keeps, light grey.
    FormWindow(const WindowLayout& layout, QWidget* parent = nullptr);

    QWidget& clientArea() { return *clientArea_; }
    WindowId id() const { return id_; }

    // Shows what the window's model holds now, as after a claim was opened
    // or started anew.
    void showModel();
    // The window's own title, " - " and the name of the claim's file, marked
    // while the claim has changes not saved; with no file (an empty name)
    // the window's own title alone.
    void showClaimFile(const QString& fileName, bool modified);

protected:
    // Builds the menu bar, once the binder is bound.
    void addMenus(FormBinder& binder, const MenuCommands& commands);

private:
    void addPrintCommands(QMenu& file, FormBinder& binder, ControlName print);
    void addButtonCommands(QMenu& menu, FormBinder& binder,
                           const std::vector<ButtonCommand>& commands);
    void addWindowCommands(QMenu& menu, const std::vector<MenuCommand>& commands);
    // Enables each of the window's own commands as its condition says.
    void updateCommands();

    WindowId id_;
    QWidget* clientArea_;
    FormBinder* binder_ = nullptr;
    std::vector<std::pair<QAction*, std::function<bool()>>> conditional_;
};

// The widget whose children are the window's controls: the client area of a
// FormWindow, the window itself otherwise.
QWidget& clientArea(QWidget& window);

}  // namespace corvell::ui
