#pragma once
// A calculator window: the controls of its layout table, bound to its model
// (which the claim keeps) by the one FormBinder, under the menus every window
// shares. A window class adds only its layout table and what is its own.

#include <optional>
#include <span>

#include "shell/ui/formbinder.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

template <class Model>
class ModelWindow : public FormWindow {
public:
    Model& model() { return model_; }

protected:
    ModelWindow(const WindowLayout& layout, Model& model, const Services& services, QWidget* parent)
        : FormWindow(layout, parent),
          layout_(layout),
          model_(model),
          binder_(*this, model_, services) {}

    // Creates the table's controls in the client area.
    void build() { buildControls(*this, layout_); }

    // Binds the controls to the model, Enter in a single-line field pressing
    // `defaultButton` if there is one, then builds the menus.
    void bind(std::optional<ControlName> defaultButton, const MenuCommands& commands) {
        binder_.bind(defaultButton);
        addMenus(binder_, commands);
    }

    FormBinder& binder() { return binder_; }

private:
    const WindowLayout& layout_;
    Model& model_;
    FormBinder binder_;
};

// A calculator window with no menus of its own: its layout table (which
// names the button Enter presses, its Calculate), its Print, Clear and Close
// buttons, and what it does to its controls once they are built.
struct WindowDesign {
    const WindowLayout& layout;
    ControlName print;
    ControlName clear;
    ControlName close;
    void (*finish)(FormWindow& window) = nullptr;
};

template <class Model, const WindowDesign& design>
class DesignedWindow final : public ModelWindow<Model> {
public:
    // Shows and drives `model`, which the claim keeps.
    DesignedWindow(Model& model, const Services& services, QWidget* parent = nullptr)
        : ModelWindow<Model>(design.layout, model, services, parent) {
        this->build();
        if (design.finish != nullptr) {
            design.finish(*this);
        }
        const ControlName calculate = design.layout.defaultButton.value();
        this->bind(calculate, {.print = design.print,
                               .close = design.close,
                               .buttons = calculatorCommands(calculate, design.clear)});
    }
};

}  // namespace corvell::ui
