#include "shell/layout.h"

#include <cstdlib>

namespace corvell {
namespace {

bool isLabel(const ControlSpec& c) {
    return c.kind == ControlKind::Label || c.kind == ControlKind::CaptionLabel;
}

// How well a label sits as the caption of a field: above it (the usual place)
// or to its left on the same row; lower is better, negative means not at all.
int captionDistance(const ControlSpec& label, const ControlSpec& field) {
    const int labelRight = label.left + label.width;
    const int fieldRight = field.left + field.width;
    const int labelBottom = label.top + label.height;
    const bool overlapsHorizontally = label.left < fieldRight && field.left < labelRight;
    const int gapAbove = field.top - labelBottom;
    if (overlapsHorizontally && gapAbove >= -60 && gapAbove <= 300) {
        return std::abs(label.left - field.left) + std::abs(gapAbove);
    }
    const bool sameRow = label.top < field.top + field.height && field.top < labelBottom;
    const int gapLeft = field.left - labelRight;
    if (sameRow && gapLeft >= -60 && gapLeft <= 600) {
        return 1000 + std::abs(gapLeft);
    }
    return -1;
}

}  // namespace

std::string_view controlCaption(WindowId window, const ControlSpec& control) {
    if (control.kind == ControlKind::NavButton) {
        for (const NavigationButton& button : navigationRow(window)) {
            if (button.control == control.name) {
                return button.caption;
            }
        }
        return control.name.name();
    }
    return control.caption == nullptr ? std::string_view() : std::string_view(control.caption);
}

std::string_view controlToolTip(const ControlSpec& control) {
    if (control.kind == ControlKind::NavButton && control.name == nav::cmdQuit) {
        return kCloseToolTip;
    }
    return control.toolTip == nullptr ? std::string_view() : std::string_view(control.toolTip);
}

const ControlSpec* labelOf(const WindowLayout& layout, const ControlSpec& field) {
    const ControlSpec* best = nullptr;
    int bestDistance = 0;
    for (const ControlSpec& label : layout.controls) {
        const int d = isLabel(label) ? captionDistance(label, field) : -1;
        if (d >= 0 && (best == nullptr || d < bestDistance)) {
            best = &label;
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace corvell
