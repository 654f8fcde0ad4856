#pragma once
// The frame every window shares: a menu bar above the client area, where the
// window's layout table places its controls (in twips from the client area's
// top left corner). A menu command stands for a button of the window and runs
// that button's own handler, so it does, and refuses, exactly what the button
// does. The menus are built here, once for every window: a window only says
// which of its buttons they stand for.

#include <QMainWindow>
#include <optional>

#include "shell/controlname.h"
#include "shell/navigation.h"

class QMenu;

namespace corvell::ui {

class FormBinder;

// The menu commands, by objectName.
namespace menu {
inline constexpr ControlName mnuFile{"mnuFile"};
inline constexpr ControlName mnuPrintPreview{"mnuPrintPreview"};
inline constexpr ControlName mnuExportPdf{"mnuExportPdf"};
inline constexpr ControlName mnuPrint{"mnuPrint"};
inline constexpr ControlName mnuClose{"mnuClose"};
inline constexpr ControlName mnuExportWorksheetPdf{"mnuExportWorksheetPdf"};
inline constexpr ControlName mnuHelp{"mnuHelp"};
inline constexpr ControlName mnuWorksheet{"mnuWorksheet"};
}  // namespace menu

// The buttons of a window its menus stand for; a window without a Print
// button has no print commands.
struct MenuCommands {
    std::optional<ControlName> print = std::nullopt;  // Print Preview..., Export PDF..., Print...
    ControlName close;                                // Close
};

class FormWindow : public QMainWindow {
public:
    // Title and objectName of the window, a client area of the size given
    // that the window keeps, light grey.
    FormWindow(WindowId id, int widthTwips, int heightTwips, QWidget* parent = nullptr);

    QWidget& clientArea() { return *clientArea_; }

    // The Help menu, made the first time it is asked for.
    QMenu& helpMenu();

protected:
    // Builds the menu bar, once the binder is bound.
    void addMenus(FormBinder& binder, const MenuCommands& commands);

private:
    // Help > How Was This Calculated? (F1) and, beside Export PDF..., Export
    // Worksheet PDF..., which goes where Print goes and is refused as Print is.
    void addWorksheetCommands(FormBinder& binder, const MenuCommands& commands, QMenu& file);

    QWidget* clientArea_;
};

// The widget whose children are the window's controls: the client area of a
// FormWindow, the window itself otherwise.
QWidget& clientArea(QWidget& window);

}  // namespace corvell::ui
