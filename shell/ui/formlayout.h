#pragma once
// A window drawn from its layout table: each control's kind, name, caption,
// tool tip and place in twips. Controls are created in table order, and the
// ones that take the focus get the tab order of the table.

#include <QString>
#include <QWidget>
#include <span>

#include "shell/controlname.h"
#include "shell/layout.h"
#include "shell/navigation.h"

namespace corvell::ui {

// The tables themselves are the core's plain data (shell/layout.h).
using corvell::ControlKind;
using corvell::ControlSpec;
using corvell::WindowLayout;

// The widget the layout table places the controls in: the client area under
// the menu bar of a window that has one (a QMainWindow), the window itself
// otherwise.
QWidget& clientArea(QWidget& window);

// Title, size of the client area, fixed size, light grey background.
void setUpWindow(QWidget& window, const WindowLayout& layout);

// Creates the table's controls in the window's client area.
void buildControls(QWidget& window, const WindowLayout& layout);

// The control of that name and widget class that buildControls made.
template <class Widget>
Widget* findControl(QWidget& window, ControlName name) {
    const QString objectName =
        QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
    return clientArea(window).findChild<Widget*>(objectName, Qt::FindDirectChildrenOnly);
}

}  // namespace corvell::ui
