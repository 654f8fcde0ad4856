#include "shell/formmodel.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "shell/savedstate.h"

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

std::vector<ControlName> FormModel::fieldNames() const {
    std::vector<ControlName> names;
    for (const auto& [name, c] : controls_) {
        if (c.kind == Control::Kind::Field) {
            names.push_back(name);
        }
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

std::optional<Worksheet> FormModel::worksheet() const {
    if (!worksheet_) {
        return std::nullopt;
    }
    return worksheet_();
}

std::optional<Worksheet> FormModel::reportWorksheet() const {
    return worksheet();
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
    if (reaction.print) {
        reaction.print->worksheet = reportWorksheet();
    }
    return reaction;
}

void FormModel::addField(ControlName name, std::string initial) {
    add(name, Control{Control::Kind::Field, std::move(initial), true, {}});
}

void FormModel::addButton(ControlName name, bool enabled) {
    add(name, Control{Control::Kind::Button, {}, enabled, {}});
}

void FormModel::addList(ControlName name) {
    add(name, Control{Control::Kind::List, {}, true, {}});
}

void FormModel::addLabel(ControlName name, std::string text) {
    add(name, Control{Control::Kind::Label, std::move(text), true, {}});
}

void FormModel::addFields(std::span<const ControlName> names) {
    for (ControlName name : names) {
        addField(name);
    }
}

void FormModel::addNumberFields(std::initializer_list<NumberField> fields) {
    for (const NumberField& f : fields) {
        addField(f.control);
        numberFields_.push_back(f);
    }
}

NumberRead FormModel::number(const NumberField& field) const {
    return readField(field, text(field.control));
}

void FormModel::addCalculatorButtons(ControlName calculate, ControlName print, ControlName clear) {
    addButton(calculate);
    addButton(print);
    addButton(clear);
    addNavigationRow();
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
    // Every handler looks its controls up many times, nearly always through
    // the same constant: remember where each constant's text led.
    if (const auto known = byText_.find(name.name().data());
        known != byText_.end() && known->second.first == name.name().size()) {
        return *known->second.second;
    }
    const auto it = controls_.find(name);
    if (it == controls_.end()) {
        throw std::out_of_range("no control named " + std::string(name.name()) + " on " +
                                std::string(windowClassName(id_)));
    }
    byText_.insert_or_assign(name.name().data(), std::pair{name.name().size(), &it->second});
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

nlohmann::json FormModel::saveState() const {
    nlohmann::json fields = nlohmann::json::object();
    nlohmann::json disabled = nlohmann::json::array();
    nlohmann::json lists = nlohmann::json::object();
    for (const auto& [name, c] : controls_) {
        const std::string key(name.name());
        switch (c.kind) {
            case Control::Kind::Field:
                fields[key] = c.text;
                break;
            case Control::Kind::Button:
                if (!c.enabled) {
                    disabled.push_back(key);
                }
                break;
            case Control::Kind::List:
                lists[key] = c.lines;
                break;
            case Control::Kind::Label:
                break;  // a label shows what the window's kept values make it
        }
    }
    nlohmann::json kept = nlohmann::json::object();
    for (const KeptValue& value : kept_) {
        kept[value.key] = value.save();
    }
    return {{"fields", fields}, {"disabled", disabled}, {"lists", lists}, {"kept", kept}};
}

void FormModel::loadState(const StateReader& state) {
    state.expectMembers({"fields", "disabled", "lists", "kept"});
    const StateReader fields = state["fields"];
    const StateReader lists = state["lists"];
    std::size_t fieldCount = 0;
    std::size_t listCount = 0;
    for (auto& [name, c] : controls_) {
        const std::string key(name.name());
        switch (c.kind) {
            case Control::Kind::Field:
                c.text = fields[key].text();
                ++fieldCount;
                break;
            case Control::Kind::Button:
                c.enabled = true;
                break;
            case Control::Kind::List: {
                const StateReader lines = lists[key];
                c.lines.clear();
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    c.lines.push_back(lines[i].text());
                }
                ++listCount;
                break;
            }
            case Control::Kind::Label:
                break;
        }
    }
    if (fields.json().size() != fieldCount) {
        fields.fail("holds fields this window does not have");
    }
    if (lists.json().size() != listCount) {
        lists.fail("holds lists this window does not have");
    }
    const StateReader disabled = state["disabled"];
    for (std::size_t i = 0; i < disabled.size(); ++i) {
        const std::string key = disabled[i].text();
        const auto it = std::find_if(controls_.begin(), controls_.end(),
                                     [&](const auto& entry) { return entry.first.name() == key; });
        if (it == controls_.end() || it->second.kind != Control::Kind::Button) {
            disabled[i].fail("is not a button of this window");
        }
        it->second.enabled = false;
    }
    const StateReader kept = state["kept"];
    std::vector<std::string_view> keys;
    for (const KeptValue& value : kept_) {
        keys.emplace_back(value.key);
    }
    kept.expectMembers(keys);
    for (const KeptValue& value : kept_) {
        value.load(kept[value.key]);
    }
    keptLoaded(kept);
}

void FormModel::keep(std::string key, std::function<nlohmann::json()> save,
                     std::function<void(const StateReader&)> load) {
    // A second value under one key would overwrite the first in the file.
    if (std::any_of(kept_.begin(), kept_.end(), [&](const KeptValue& v) { return v.key == key; })) {
        throw std::logic_error(std::string(windowClassName(id_)) + " keeps two values as " + key);
    }
    kept_.push_back({std::move(key), std::move(save), std::move(load)});
}

void FormModel::keepNumber(std::string key, double& number) {
    keep(
        std::move(key), [&number] { return nlohmann::json(number); },
        [&number](const StateReader& saved) { number = saved.number(); });
}

void FormModel::keepNumber(std::string key, std::optional<double>& number) {
    keep(
        std::move(key), [&number] { return number ? nlohmann::json(*number) : nlohmann::json(); },
        [&number](const StateReader& saved) {
            number.reset();
            if (!saved.json().is_null()) {
                number = saved.number();
            }
        });
}

void FormModel::keptLoaded(const StateReader&) {}

}  // namespace corvell
