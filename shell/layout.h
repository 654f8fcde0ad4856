#pragma once
// A window's layout as plain data, for every front end to draw it from: each
// control's kind, name, caption, tool tip and place in twips, in tab order
// (controls that take the focus take it in table order), and the size of the
// window's client area.

#include <optional>
#include <span>
#include <string_view>

#include "shell/controlname.h"
#include "shell/navigation.h"

namespace corvell {

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

struct WindowLayout {
    WindowId id;
    int widthTwips;  // of the client area
    int heightTwips;
    std::span<const ControlSpec> controls;
    // The button Enter in a single-line field presses (a calculator's
    // Calculate); none on a window where Enter does not calculate.
    std::optional<ControlName> defaultButton = std::nullopt;
};

// What a control shows: its caption, or for a navigation button the caption
// of the window it opens ("Close" for Close).
std::string_view controlCaption(WindowId window, const ControlSpec& control);
// Its tool tip; empty for none.
std::string_view controlToolTip(const ControlSpec& control);
// The label that names a text field, as a screen reader announces it: the
// nearest label above the field, else one to its left on the same row;
// nullptr when none is near.
const ControlSpec* labelOf(const WindowLayout& layout, const ControlSpec& field);

}  // namespace corvell
