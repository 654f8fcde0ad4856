#pragma once
// A window's layout as a table: each control's kind, name, caption, tool tip
// and place in twips. Controls are created in table order, and the ones that
// take the focus get the tab order of the table.

#include <span>

#include "shell/navigation.h"

class QWidget;

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
    const char* name;
    const char* caption;  // label or button caption; unused for fields
    const char* toolTip;
    int left;
    int top;
    int width;
    int height;
};

// Title, size of the client area, fixed size, light grey background.
void setUpWindow(QWidget& window, WindowId id, int widthTwips, int heightTwips);

void buildControls(QWidget& window, WindowId id, std::span<const ControlSpec> table);

}  // namespace corvell::ui
