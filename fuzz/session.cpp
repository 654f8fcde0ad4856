#include "fuzz/session.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"

namespace corvell::fuzz {
namespace {

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

std::string nameOf(ControlName control) {
    return std::string(control.name());
}

const Lines& ControlState::listLines() const {
    static const Lines none;
    return lines ? *lines : none;
}

bool ControlState::operator==(const ControlState& other) const {
    return text == other.text && enabled == other.enabled &&
           (lines == other.lines || listLines() == other.listLines());
}

ControlIndex::ControlIndex(std::vector<ControlName> names) : names_(std::move(names)) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        byAddress_.emplace(names_[i].name().data(), i);
    }
}

std::size_t ControlIndex::of(ControlName control) const {
    const char* address = control.name().data();
    if (const auto it = byAddress_.find(address); it != byAddress_.end()) {
        return it->second;
    }
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == control) {
            byAddress_.emplace(address, i);
            return i;
        }
    }
    FUZZ_CHECK(false, "no control %s", nameOf(control).c_str());
    return 0;
}

const ControlState& Snapshot::control(ControlName control) const {
    return controls[index->of(control)];
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
    const std::vector<ControlName>& names = before.index->names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!(before.controls[i] == after.controls[i]) && !controlMayChange(names[i])) {
            return nameOf(names[i]);
        }
    }
    const Kept& a = before.kept;
    const Kept& b = after.kept;
    if (a.numbers.size() != b.numbers.size() || a.texts.size() != b.texts.size()) {
        return "the number of kept values";
    }
    for (std::size_t i = 0; i < a.numbers.size(); ++i) {
        if (!sameNumber(a.numbers[i].second, b.numbers[i].second) &&
            !keptMayChange(a.numbers[i].first)) {
            return std::string(a.numbers[i].first);
        }
    }
    for (std::size_t i = 0; i < a.texts.size(); ++i) {
        if (a.texts[i].second != b.texts[i].second && !keptMayChange(a.texts[i].first)) {
            return std::string(a.texts[i].first);
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

void expectOnlyChanged(const Fired& f, std::initializer_list<ControlName> controlsMayChange,
                       std::initializer_list<std::string_view> keptMayChange) {
    const std::string changed = firstChange(f.before, f.after, controlsMayChange, keptMayChange);
    FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
}

bool refusedChangingNothing(const Fired& f) {
    if (f.refused()) {
        expectOnlyChanged(f);
    }
    return f.refused();
}

void expectEmptied(const Fired& f, std::span<const ControlName> fields) {
    for (ControlName name : fields) {
        FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", f.describe().c_str(),
                   nameOf(name).c_str());
    }
}

bool hasNonNumberWord(std::string_view text) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = upper(text[i]);
        const char b = upper(text[i + 1]);
        const char c = upper(text[i + 2]);
        if ((a == 'I' && b == 'N' && c == 'F') || (a == 'N' && b == 'A' && c == 'N')) {
            return true;
        }
    }
    return false;
}

std::string Fired::describe() const {
    std::string d = nameOf(action.control) + " " + eventName(action.event);
    if (asked) {
        d += " asking \"" + *asked + "\" answered " + (answeredYes ? "Yes" : "No");
    }
    if (reaction.message) {
        d += " saying \"" + reaction.message->text + "\"";
    }
    return d;
}

Session::Session(FormModel& model, Window window, WindowCheck check)
    : model_(model),
      window_(std::move(window)),
      check_(std::move(check)),
      index_(std::make_shared<const ControlIndex>(model.controlNames())) {
    for (const FieldRule& rule : window_.fields) {
        fieldIndex_.push_back(index_->of(rule.name));
    }
    const auto row = navigationRow(model_.id());
    for (const ControlName name : index_->names()) {
        texts_.push_back(&model_.text(name));
        lines_.push_back(&model_.lines(name));
        const bool typed = std::any_of(window_.fields.begin(), window_.fields.end(),
                                       [name](const FieldRule& rule) { return rule.name == name; });
        const bool navigates = std::any_of(
            row.begin(), row.end(), [name](const auto& button) { return button.control == name; });
        disables_.push_back(!typed && !navigates);
    }
    takeSnapshot(shots_[now_], nullptr);
}

Session::~Session() {
    const std::vector<ControlName>& names = index_->names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(disables_[i] || model_.isEnabled(names[i]), "%s ended disabled",
                   nameOf(names[i]).c_str());
    }
}

void Session::takeSnapshot(Snapshot& s, const Snapshot* previous) const {
    s.index = index_;
    const std::vector<ControlName>& names = index_->names();
    s.controls.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        ControlState& state = s.controls[i];
        state.text.assign(*texts_[i]);
        state.enabled = !disables_[i] || model_.isEnabled(names[i]);
        const Lines& lines = *lines_[i];
        if (lines.empty()) {
            state.lines.reset();
            continue;
        }
        // Keep sharing the lines the window showed before while they stand.
        const std::shared_ptr<const Lines>& was = previous ? previous->controls[i].lines : nullptr;
        state.lines = was && *was == lines ? was : std::make_shared<const Lines>(lines);
    }
    s.kept.numbers.clear();
    s.kept.texts.clear();
    if (window_.kept) {
        window_.kept(s.kept);
    }
}

void Session::type(ControlName field, std::string text) {
    model_.setText(field, text);
    shots_[now_].controls[index_->of(field)].text = std::move(text);
    if (model_.handles(field, Event::Change)) {
        fire(Action{field, Event::Change});
    }
}

void Session::fire(const Action& action, int line, bool answerYes) {
    const Snapshot& before = shots_[now_];
    Snapshot& after = shots_[1 - now_];
    Reaction reaction;
    std::optional<std::string> asked;
    try {
        reaction = model_.fire(action.control, action.event, line);
        if (reaction.question) {
            takeSnapshot(after, &before);
            const std::string changed = firstChange(before, after);
            FUZZ_CHECK(changed.empty(), "%s %s changed %s before its question was answered",
                       nameOf(action.control).c_str(), eventName(action.event), changed.c_str());
            Question question = std::move(*reaction.question);
            reaction.question.reset();
            asked = question.text;
            reaction.then(answerYes ? question.yes() : question.no());
        }
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, "%s %s threw: %s", nameOf(action.control).c_str(),
                   eventName(action.event), e.what());
    }
    takeSnapshot(after, &before);
    Fired fired{action, line, before, after, std::move(reaction), asked, answerYes, {}};
    if (fired.reaction.print) {
        fired.printed = fired.reaction.print->make(LocalTime{2026, 12, 8, 12, 0, 0}).plainLines();
    }
    checkFired(fired);
    if (check_) {
        check_(fired);
    }
    now_ = 1 - now_;
}

void Session::checkFired(const Fired& fired) const {
    for (std::size_t i = 0; i < window_.fields.size(); ++i) {
        const FieldRule& rule = window_.fields[i];
        const std::string& was = fired.before.controls[fieldIndex_[i]].text;
        const std::string& now = fired.after.controls[fieldIndex_[i]].text;
        if (now == was) {
            continue;
        }
        FUZZ_CHECK(!hasNonNumberWord(now) || hasNonNumberWord(was),
                   "%s wrote \"%s\" into %s (it held \"%s\")", fired.describe().c_str(),
                   now.c_str(), nameOf(rule.name).c_str(), was.c_str());
        if (now.empty()) {
            continue;
        }
        if (rule.shows == Shows::Number) {
            const auto back = wholeTextNumber(now);
            FUZZ_CHECK(back.has_value(), "%s wrote \"%s\" into %s", fired.describe().c_str(),
                       now.c_str(), nameOf(rule.name).c_str());
        } else if (rule.shows == Shows::Date) {
            const auto date = typedDate(now);
            FUZZ_CHECK(date.has_value() || (fired.refused() && fired.focusOn(rule.name)),
                       "%s wrote \"%s\" into %s", fired.describe().c_str(), now.c_str(),
                       nameOf(rule.name).c_str());
        }
    }
    for (const auto& [name, value] : fired.after.kept.numbers) {
        FUZZ_CHECK(std::isfinite(value), "%s left %.*s at %g", fired.describe().c_str(),
                   static_cast<int>(name.size()), name.data(), value);
    }
    if (fired.reaction.focus) {
        FUZZ_CHECK(model_.hasControl(fired.reaction.focus->control), "%s focuses %s",
                   fired.describe().c_str(), nameOf(fired.reaction.focus->control).c_str());
    }
    if (fired.reaction.print) {
        const std::string changed = firstChange(fired.before, fired.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", fired.describe().c_str(), changed.c_str());
        bool typedNonNumber = false;
        for (const ControlState& state : fired.before.controls) {
            typedNonNumber = typedNonNumber || hasNonNumberWord(state.text);
        }
        for (const std::string& line : fired.printed) {
            FUZZ_CHECK(!hasNonNumberWord(line) || typedNonNumber, "%s printed \"%s\"",
                       fired.describe().c_str(), line.c_str());
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
            fire(window_.actions[pick.index], lineNumber(step->text), answersYes(step->text));
        }
    }
}

double shown(const Snapshot& s, ControlName field) {
    const std::string& text = s.text(field);
    const auto value = wholeTextNumber(text);
    FUZZ_CHECK(value.has_value(), "%s shows \"%s\", no number", nameOf(field).c_str(),
               text.c_str());
    return *value;
}

}  // namespace corvell::fuzz
