#include "shell/formmodel.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace corvell {

const char* eventName(Event event) {
    switch (event) {
        case Event::Click:
            return "Click";
        case Event::LostFocus:
            return "LostFocus";
        case Event::Change:
            return "Change";
        case Event::DblClick:
            return "DblClick";
    }
    return "";
}

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

std::string FormModel::lineReadAloud(ControlName list, std::size_t line) const {
    return lines(list).at(line);
}

namespace {

// The figures opening the claim changed, as the first lines of a worksheet.
std::optional<Worksheet> headedByChanges(std::optional<Worksheet> sheet,
                                         const FigureChanges& changes) {
    if (!sheet || changes.empty()) {
        return sheet;
    }
    Worksheet headed(sheet->title());
    headed.heading(std::string(kChangedOnOpeningHeading));
    for (const std::string& change : changes) {
        headed.text(change);
    }
    headed.extend(*sheet);
    return headed;
}

}  // namespace

std::optional<Worksheet> FormModel::worksheet() const {
    return headedByChanges(ownWorksheet(), changes_);
}

std::optional<Worksheet> FormModel::reportWorksheet() const {
    return headedByChanges(ownReportWorksheet(), changes_);
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
    const bool calculates = calculateButton_ && name == *calculateButton_ && event == Event::Click;
    std::optional<LastCalculation> calculation;
    std::vector<ControlName> written;
    if (calculates) {
        calculation.emplace().typed = fieldTexts();
        written_ = &written;
    }
    const unsigned passes = passes_ ? passes_() : 0;
    Reaction reaction = handler(line);
    written_ = nullptr;
    if (calculates && passes_ && passes_() != passes) {
        for (ControlName field : written) {
            calculation->written.insert_or_assign(std::string(field.name()), text(field));
        }
        lastCalculation_ = std::move(calculation);
        refusedSince_.clear();
    } else if (calculates &&
               (refusedSince_.empty() || refusedSince_.back() != calculation->typed)) {
        refusedSince_.push_back(std::move(calculation->typed));
    }
    if (reaction.focus && !hasControl(reaction.focus->control)) {
        throw std::logic_error(std::string(name.name()) + "_" + eventName(event) + " on " +
                               std::string(windowClassName(id_)) + " focuses " +
                               std::string(reaction.focus->control.name()) +
                               ", which the window lacks");
    }
    if (reaction.print) {
        reaction.print->worksheet = [this] { return reportWorksheet(); };
    }
    return reaction;
}

void FormModel::addField(ControlName name, std::string initial) {
    add(name, Control{Control::Kind::Field, initial, true, {}, initial, true});
}

void FormModel::addButton(ControlName name, bool enabled) {
    add(name, Control{Control::Kind::Button, {}, enabled, {}, {}, enabled});
}

void FormModel::addList(ControlName name) {
    add(name, Control{Control::Kind::List, {}, true, {}, {}, true});
}

void FormModel::addLabel(ControlName name, std::string text) {
    add(name, Control{Control::Kind::Label, text, true, {}, text, true});
}

void FormModel::startWith(ControlName name, std::string text) {
    Control& c = control(name);
    c.text = text;
    c.initialText = std::move(text);
}

void FormModel::addFields(std::span<const ControlName> names) {
    for (ControlName name : names) {
        addField(name);
    }
}

void FormModel::addResultFields(std::span<const ControlName> names) {
    for (ControlName name : names) {
        add(name, Control{Control::Kind::Field, {}, true, {}, {}, true, true});
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
    calculateButton_ = calculate;
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
    if (written_) {
        written_->push_back(name);
    }
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

FieldTexts FormModel::fieldTexts() const {
    FieldTexts texts;
    for (const auto& [name, c] : controls_) {
        if (c.kind == Control::Kind::Field) {
            texts.emplace(std::string(name.name()), c.text);
        }
    }
    return texts;
}

SavedWindow FormModel::save() const {
    SavedWindow saved;
    saved.fields = fieldTexts();
    for (const auto& [name, c] : controls_) {
        if (c.kind == Control::Kind::Button && !c.enabled) {
            saved.disabled.emplace_back(name.name());
        }
    }
    if (refusalShown_ && refusalShown_()) {
        saved.refused = refusedSince_;
    }
    if (lastCalculation_ && calculationShown_ && calculationShown_()) {
        CalculationTexts& calculation = saved.calculation.emplace();
        calculation.typed = lastCalculation_->typed;
        // A figure the operator has typed over since is typing like any other.
        for (const auto& [field, figure] : lastCalculation_->written) {
            if (textOf(saved.fields, field) == figure) {
                calculation.figures.push_back(field);
            }
        }
    }
    return saved;
}

std::vector<std::string> FormModel::resultFields() const {
    std::vector<std::string> names;
    for (const auto& [name, c] : controls_) {
        if (c.result) {
            names.emplace_back(name.name());
        }
    }
    return names;
}

void FormModel::resetControls() {
    for (auto& [name, c] : controls_) {
        c.text = c.initialText;
        c.enabled = c.initiallyEnabled;
        c.lines.clear();
    }
}

void FormModel::startAfresh() {
    resetControls();
    forgetCalculations();
    lastCalculation_.reset();
    refusedSince_.clear();
    changes_.clear();
}

void FormModel::reopen(const SavedWindow& saved, FigureChanges& changes) {
    startAfresh();
    rebuild(saved, changes_);
    // Buttons are state of their own: Calculate, Save and the ledger's
    // commands check for themselves whether they may run.
    for (auto& [control, c] : controls_) {
        if (c.kind == Control::Kind::Button) {
            c.enabled = std::find(saved.disabled.begin(), saved.disabled.end(), control.name()) ==
                        saved.disabled.end();
        }
    }
    changes.insert(changes.end(), changes_.begin(), changes_.end());
}

void FormModel::rebuild(const SavedWindow& saved, FigureChanges& changes) {
    std::vector<std::string> figures;
    bool calculated = false;
    const std::string where = windowName(id_);
    const FieldTexts none;
    if (saved.calculation) {
        figures = saved.calculation->figures;
        const std::optional<std::string> refusal = calculateAgain(saved.calculation->typed);
        calculated = !refusal;
        if (refusal) {
            changes.push_back(where + ": its last Calculate is refused now (" + *refusal +
                              "); its figures are left out.");
        }
    }
    refuseAgain(saved);
    restoreFields(saved.fields, saved.calculation ? saved.calculation->typed : none, figures,
                  calculated, where, changes);
}

void FormModel::refuseAgain(const SavedWindow& saved) {
    for (const FieldTexts& typed : saved.refused) {
        (void)calculateAgain(typed);
    }
}

std::optional<std::string> FormModel::calculateAgain(const FieldTexts& typed) {
    for (auto& [name, c] : controls_) {
        if (c.kind == Control::Kind::Field) {
            c.text = textOf(typed, name.name());
        }
    }
    const unsigned before = passes_ ? passes_() : 0;
    Reaction reaction = fire(*calculateButton_, Event::Click);
    // A question on the way is answered Yes, as when the operator saved it.
    while (reaction.question) {
        reaction = reaction.question->yes();
    }
    if (passes_ && passes_() != before) {
        return std::nullopt;
    }
    return reaction.message ? reaction.message->text : std::string("it was not calculated");
}

void FormModel::restoreFields(const FieldTexts& saved, const FieldTexts& typed,
                              const std::vector<std::string>& figures, bool calculated,
                              const std::string& where, FigureChanges& changes) {
    for (auto& [name, c] : controls_) {
        if (c.kind != Control::Kind::Field) {
            continue;
        }
        const std::string& was = textOf(saved, name.name());
        if (std::find(figures.begin(), figures.end(), name.name()) == figures.end()) {
            c.text = was;
            continue;
        }
        // Without the calculation, a field it worked out shows what was typed
        // there before it, and a field of figures only shows none.
        if (!calculated) {
            c.text = c.result ? std::string() : textOf(typed, name.name());
        }
        if (c.text != was) {
            changes.push_back(changeLine(where + ", " + fieldName(name), was, c.text));
        }
    }
}

void FormModel::forgetCalculations() {}

std::optional<Worksheet> FormModel::ownWorksheet() const {
    if (!worksheet_) {
        return std::nullopt;
    }
    return worksheet_();
}

}  // namespace corvell
