#include "shell/formmodel.h"

namespace corvell {

FormModel::FormModel(WindowId id) : id_(id), clock_(SystemNow) {}

std::vector<std::string> FormModel::controlNames() const {
    std::vector<std::string> names;
    names.reserve(controls_.size());
    for (const auto& [name, c] : controls_) {
        names.push_back(name);
    }
    return names;
}

bool FormModel::hasControl(std::string_view name) const {
    return controls_.contains(name);
}

const std::string& FormModel::text(std::string_view name) const {
    return control(name).text;
}

void FormModel::setText(std::string_view name, std::string text) {
    control(name).text = std::move(text);
}

bool FormModel::isEnabled(std::string_view name) const {
    return control(name).enabled;
}

const std::vector<std::string>& FormModel::lines(std::string_view name) const {
    return control(name).lines;
}

bool FormModel::handles(std::string_view name, Event event) const {
    return handlers_.contains(key(name, event));
}

Reaction FormModel::fire(std::string_view name, Event event, int line) {
    const auto it = handlers_.find(key(name, event));
    if (it == handlers_.end() || !control(name).enabled) {
        return {};
    }
    // Copy the handler: it may register nothing, but must survive any
    // re-entry through assign().
    const auto handler = it->second;
    return handler(line);
}

void FormModel::addField(std::string name, std::string initial) {
    add(std::move(name), Control{Control::Kind::Field, std::move(initial), true, {}});
}

void FormModel::addButton(std::string name, bool enabled) {
    add(std::move(name), Control{Control::Kind::Button, {}, enabled, {}});
}

void FormModel::addList(std::string name) {
    add(std::move(name), Control{Control::Kind::List, {}, true, {}});
}

void FormModel::addNavigationRow() {
    for (const NavigationButton& button : navigationRow(id_)) {
        addButton(std::string(button.control));
        const WindowId target = button.target;
        on(button.control, Event::Click, [target] {
            Reaction r;
            r.show = target;
            r.hideSelf = true;
            return r;
        });
    }
}

void FormModel::on(std::string_view name, Event event, std::function<Reaction()> handler) {
    onLine(name, event, [h = std::move(handler)](int) { return h(); });
}

void FormModel::onLine(std::string_view name, Event event, std::function<Reaction(int)> handler) {
    control(name);  // the control must exist
    handlers_[key(name, event)] = std::move(handler);
}

std::string& FormModel::field(std::string_view name) {
    return control(name).text;
}

Reaction FormModel::assign(std::string_view name, std::string text) {
    Control& c = control(name);
    if (c.text == text) {
        return {};
    }
    c.text = std::move(text);
    return fire(name, Event::Change);
}

void FormModel::enable(std::string_view name, bool on) {
    control(name).enabled = on;
}

std::vector<std::string>& FormModel::listLines(std::string_view name) {
    return control(name).lines;
}

FormModel::Control& FormModel::control(std::string_view name) {
    const auto it = controls_.find(name);
    if (it == controls_.end()) {
        throw std::out_of_range("no control named " + std::string(name) + " on " +
                                std::string(windowClassName(id_)));
    }
    return it->second;
}

const FormModel::Control& FormModel::control(std::string_view name) const {
    return const_cast<FormModel*>(this)->control(name);
}

void FormModel::add(std::string name, Control c) {
    if (!controls_.emplace(std::move(name), std::move(c)).second) {
        throw std::logic_error("control added twice on " + std::string(windowClassName(id_)));
    }
}

std::string FormModel::key(std::string_view control, Event event) {
    std::string k(control);
    k += '#';
    k += static_cast<char>('0' + static_cast<int>(event));
    return k;
}

}  // namespace corvell
