#include "shell/formmodel.h"

namespace corvell {
namespace {

const char* eventName(Event event) {
    switch (event) {
        case Event::Click:
            return "_Click";
        case Event::LostFocus:
            return "_LostFocus";
        case Event::Change:
            return "_Change";
        case Event::DblClick:
            return "_DblClick";
    }
    return "";
}

}  // namespace

FormModel::FormModel(WindowId id) : id_(id) {}

std::vector<ControlName> FormModel::controlNames() const {
    std::vector<ControlName> names;
    names.reserve(controls_.size());
    for (const auto& [name, c] : controls_) {
        names.push_back(name);
    }
    return names;
}

bool FormModel::hasControl(ControlName name) const {
    return controls_.contains(name);
}

const std::string& FormModel::text(ControlName name) const {
    return control(name).text;
}

void FormModel::setText(ControlName name, std::string text) {
    control(name).text = std::move(text);
}

bool FormModel::isEnabled(ControlName name) const {
    return control(name).enabled;
}

const std::vector<std::string>& FormModel::lines(ControlName name) const {
    return control(name).lines;
}

bool FormModel::handles(ControlName name, Event event) const {
    return handlers_.contains({name, event});
}

Reaction FormModel::fire(ControlName name, Event event, int line) {
    const auto it = handlers_.find({name, event});
    if (it == handlers_.end() || !control(name).enabled) {
        return {};
    }
    // Copy the handler: it may register nothing, but must survive any
    // re-entry through assign().
    const auto handler = it->second;
    Reaction reaction = handler(line);
    if (reaction.focus && !hasControl(reaction.focus->control)) {
        throw std::logic_error(std::string(name.name()) + eventName(event) + " on " +
                               std::string(windowClassName(id_)) + " focuses " +
                               std::string(reaction.focus->control.name()) +
                               ", which the window lacks");
    }
    return reaction;
}

void FormModel::addField(ControlName name, std::string initial) {
    add(name, Control{std::move(initial), true, {}});
}

void FormModel::addButton(ControlName name, bool enabled) {
    add(name, Control{{}, enabled, {}});
}

void FormModel::addList(ControlName name) {
    add(name, Control{{}, true, {}});
}

void FormModel::addLabel(ControlName name, std::string text) {
    add(name, Control{std::move(text), true, {}});
}

void FormModel::addNavigationRow() {
    for (const NavigationButton& button : navigationRow(id_)) {
        addButton(button.control);
        const WindowId target = button.target;
        on(button.control, Event::Click, [target] { return Reaction::moveTo(target); });
    }
}

void FormModel::on(ControlName name, Event event, std::function<Reaction()> handler) {
    onLine(name, event, [h = std::move(handler)](int) { return h(); });
}

void FormModel::onLine(ControlName name, Event event, std::function<Reaction(int)> handler) {
    control(name);  // the control must exist
    handlers_[{name, event}] = std::move(handler);
}

std::string& FormModel::field(ControlName name) {
    return control(name).text;
}

Reaction FormModel::assign(ControlName name, std::string text) {
    Control& c = control(name);
    if (c.text == text) {
        return {};
    }
    c.text = std::move(text);
    return fire(name, Event::Change);
}

void FormModel::enable(ControlName name, bool on) {
    control(name).enabled = on;
}

std::vector<std::string>& FormModel::listLines(ControlName name) {
    return control(name).lines;
}

FormModel::Control& FormModel::control(ControlName name) {
    const auto it = controls_.find(name);
    if (it == controls_.end()) {
        throw std::out_of_range("no control named " + std::string(name.name()) + " on " +
                                std::string(windowClassName(id_)));
    }
    return it->second;
}

const FormModel::Control& FormModel::control(ControlName name) const {
    return const_cast<FormModel*>(this)->control(name);
}

void FormModel::add(ControlName name, Control c) {
    if (!controls_.emplace(name, std::move(c)).second) {
        throw std::logic_error("control " + std::string(name.name()) + " added twice on " +
                               std::string(windowClassName(id_)));
    }
}

}  // namespace corvell
