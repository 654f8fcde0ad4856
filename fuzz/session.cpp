#include "fuzz/session.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "fuzz/fuzzcheck.h"
#include "shell/dates.h"
#include "shell/values.h"

namespace corvell::fuzz {
namespace {

const char* eventName(Event e) {
    switch (e) {
        case Event::Click:
            return "Click";
        case Event::LostFocus:
            return "LostFocus";
        case Event::Change:
            return "Change";
        case Event::DblClick:
            return "DblClick";
    }
    return "?";
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

std::string nameOf(ControlName control) {
    return std::string(control.name());
}

const std::string& Snapshot::text(ControlName control) const {
    const auto it = controls.find(control);
    FUZZ_CHECK(it != controls.end(), "no control %s", nameOf(control).c_str());
    return it->second.text;
}

double Snapshot::number(std::string_view keptName) const {
    for (const auto& [name, value] : kept.numbers) {
        if (name == keptName) {
            return value;
        }
    }
    FUZZ_CHECK(false, "no kept value %.*s", static_cast<int>(keptName.size()), keptName.data());
    return 0;
}

const std::string& Snapshot::keptText(std::string_view keptName) const {
    for (const auto& [name, text] : kept.texts) {
        if (name == keptName) {
            return text;
        }
    }
    FUZZ_CHECK(false, "no kept text %.*s", static_cast<int>(keptName.size()), keptName.data());
    static const std::string none;
    return none;
}

std::string firstChangeWhere(const Snapshot& before, const Snapshot& after,
                             const std::function<bool(ControlName)>& controlMayChange,
                             const std::function<bool(std::string_view)>& keptMayChange) {
    for (const auto& [name, state] : before.controls) {
        const auto it = after.controls.find(name);
        if (it == after.controls.end()) {
            return nameOf(name);
        }
        if (!(it->second == state) && !controlMayChange(name)) {
            return nameOf(name);
        }
    }
    const auto& a = before.kept;
    const auto& b = after.kept;
    if (a.numbers.size() != b.numbers.size() || a.texts.size() != b.texts.size()) {
        return "the number of kept values";
    }
    for (std::size_t i = 0; i < a.numbers.size(); ++i) {
        if (!sameNumber(a.numbers[i].second, b.numbers[i].second) &&
            !keptMayChange(a.numbers[i].first)) {
            return a.numbers[i].first;
        }
    }
    for (std::size_t i = 0; i < a.texts.size(); ++i) {
        if (a.texts[i].second != b.texts[i].second && !keptMayChange(a.texts[i].first)) {
            return a.texts[i].first;
        }
    }
    return {};
}

std::string firstChange(const Snapshot& before, const Snapshot& after,
                        std::initializer_list<ControlName> controlsMayChange,
                        std::initializer_list<std::string_view> keptMayChange) {
    return firstChangeWhere(
        before, after,
        [controlsMayChange](ControlName name) {
            return std::find(controlsMayChange.begin(), controlsMayChange.end(), name) !=
                   controlsMayChange.end();
        },
        [keptMayChange](std::string_view name) {
            return std::find(keptMayChange.begin(), keptMayChange.end(), name) !=
                   keptMayChange.end();
        });
}

bool hasNonNumberWord(std::string_view text) {
    const std::string upper = UCase(text);
    return upper.find("INF") != std::string::npos || upper.find("NAN") != std::string::npos;
}

std::string Fired::describe() const {
    std::string d = nameOf(action.control) + " " + eventName(action.event);
    if (reaction.message) {
        d += " saying \"" + reaction.message->text + "\"";
    }
    return d;
}

Session::Session(FormModel& model, Window window, WindowCheck check)
    : model_(model), window_(std::move(window)), check_(std::move(check)) {}

Snapshot Session::snapshot() const {
    Snapshot s;
    for (const ControlName name : model_.controlNames()) {
        s.controls.emplace(
            name, ControlState{model_.text(name), model_.isEnabled(name), model_.lines(name)});
    }
    if (window_.kept) {
        s.kept = window_.kept();
    }
    return s;
}

void Session::type(ControlName field, std::string text) {
    model_.setText(field, std::move(text));
    if (model_.handles(field, Event::Change)) {
        fire(Action{field, Event::Change});
    }
}

Fired Session::fire(const Action& action, int line) {
    Fired fired{action, line, snapshot(), {}, {}};
    try {
        fired.reaction = model_.fire(action.control, action.event, line);
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, "%s threw: %s", fired.describe().c_str(), e.what());
    }
    fired.after = snapshot();
    checkFired(fired);
    if (check_) {
        check_(fired);
    }
    return fired;
}

void Session::checkFired(const Fired& fired) const {
    const std::string what = fired.describe();
    for (const FieldRule& rule : window_.fields) {
        const std::string& was = fired.before.text(rule.name);
        const std::string& now = fired.after.text(rule.name);
        if (now == was) {
            continue;
        }
        const std::string field = nameOf(rule.name);
        FUZZ_CHECK(!hasNonNumberWord(now) || hasNonNumberWord(was),
                   "%s wrote \"%s\" into %s (it held \"%s\")", what.c_str(), now.c_str(),
                   field.c_str(), was.c_str());
        if (now.empty()) {
            continue;
        }
        if (rule.shows == Shows::Number) {
            const auto back = CDbl(now);
            FUZZ_CHECK(back && std::isfinite(*back), "%s wrote \"%s\" into %s", what.c_str(),
                       now.c_str(), field.c_str());
        } else if (rule.shows == Shows::Date) {
            const auto date = CDate(now);
            FUZZ_CHECK((date && inRange(*date)) || (fired.refused() && fired.focusOn(rule.name)),
                       "%s wrote \"%s\" into %s", what.c_str(), now.c_str(), field.c_str());
        }
    }
    for (const auto& [name, value] : fired.after.kept.numbers) {
        FUZZ_CHECK(std::isfinite(value), "%s left %s at %g", what.c_str(), name.c_str(), value);
    }
    if (fired.reaction.focus) {
        FUZZ_CHECK(model_.hasControl(fired.reaction.focus->control), "%s focuses %s", what.c_str(),
                   nameOf(fired.reaction.focus->control).c_str());
    }
    if (fired.reaction.print) {
        const std::string changed = firstChange(fired.before, fired.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        bool typedNonNumber = false;
        for (const auto& [name, state] : fired.before.controls) {
            typedNonNumber = typedNonNumber || hasNonNumberWord(state.text);
        }
        for (const std::string& line :
             fired.reaction.print->make(LocalTime{2026, 12, 8, 12, 0, 0}).plainLines()) {
            FUZZ_CHECK(!hasNonNumberWord(line) || typedNonNumber, "%s printed \"%s\"", what.c_str(),
                       line.c_str());
        }
    }
}

void Session::run(Script& script) {
    const std::size_t fields = window_.fields.size();
    const std::size_t actions = window_.actions.size();
    while (const auto step = script.next()) {
        const Pick pick = pickStep(step->op, fields, actions);
        if (pick.typing) {
            type(window_.fields[pick.index].name, step->text);
        } else {
            fire(window_.actions[pick.index], lineNumber(step->text));
        }
    }
}

double shown(const Snapshot& s, ControlName field) {
    const std::string& text = s.text(field);
    const auto value = CDbl(text);
    FUZZ_CHECK(value.has_value(), "%s shows \"%s\", no number", nameOf(field).c_str(),
               text.c_str());
    return *value;
}

bool showsValue(double shown, double value, int decimals) {
    const double halfLastPlace = 0.5 * std::pow(10.0, -decimals);
    return std::fabs(shown - value) <= halfLastPlace * (1 + 1e-9) + std::fabs(value) * 1e-14;
}

}  // namespace corvell::fuzz
