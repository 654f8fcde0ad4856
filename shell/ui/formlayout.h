#pragma once
// A window's layout as a table: each control's kind, name, caption, tool tip
// and place in twips. Controls are created in table order, and the ones that
// take the focus get the tab order of the table.

#include <QString>
#include <QWidget>
#include <span>

#include "shell/controlname.h"
#include "shell/navigation.h"

namespace corvell::ui {

enum class ControlKind {
    Field,         // single-line text field
    TextBox,       // multi-line text field (the case caption)
    Label,         // label in the system highlight colour
    CaptionLabel,  // the "Case Caption" label
    Button,
    NavButton,  // caption from the navigation row; Close gets its tool tip
    ListBox,
};

struct ControlSpec {
    ControlKind kind;
    ControlName name;
    const char* caption;  // label or button caption; a list's spoken name; unused for fields
    const char* toolTip;
    int left;
    int top;
    int width;
    int height;
};

// The widget the layout table places the controls in: the client area under
// the menu bar of a window that has one (a QMainWindow), the window itself
// otherwise.
QWidget& clientArea(QWidget& window);

// Title, size of the client area, fixed size, light grey background.
void setUpWindow(QWidget& window, WindowId id, int widthTwips, int heightTwips);

// Creates the table's controls in the window's client area.
void buildControls(QWidget& window, WindowId id, std::span<const ControlSpec> table);

// The control of that name and widget class that buildControls made.
template <class Widget>
Widget* findControl(QWidget& window, ControlName name) {
    const QString objectName =
        QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
    return clientArea(window).findChild<Widget*>(objectName, Qt::FindDirectChildrenOnly);
}

}  // namespace corvell::ui
