#pragma once
// One window model driven by a fuzz script as its window would drive it:
// texts typed into fields (with the field's Change handler), and clicks and
// leave handlers fired. Every handler is checked for what holds on any
// window:
// - no exception escapes it;
// - a field it writes never shows "inf" or "nan" in any spelling unless the
//   field already held that text; a number field it writes is empty or reads
//   back (CDbl) as a finite number; a date field it writes is empty, a date
//   within 01/01/100..12/31/9999, or refused text that the focus returns to;
// - the values the model keeps stay finite;
// - Print changes nothing, and its report lays out;
// - the focus it asks for goes to a control the window has.
// Each window's own rules are checked by the callback its target passes.

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/script.h"
#include "shell/formmodel.h"

namespace corvell::fuzz {

// What a handler may write into a field.
enum class Shows {
    Text,    // free text, or the operator's own text passed through
    Number,  // empty, or a number CDbl reads back as finite
    Date,    // empty, a date on the calendar, or refused text the focus returns to
};

struct FieldRule {
    ControlName name;
    Shows shows = Shows::Text;
};

struct Action {
    ControlName control;
    Event event = Event::Click;
};

// The values a model keeps besides its controls, by name.
struct Kept {
    std::vector<std::pair<std::string, double>> numbers;
    std::vector<std::pair<std::string, std::string>> texts;
    void add(std::string name, double value) { numbers.emplace_back(std::move(name), value); }
    void add(std::string name, std::string text) {
        texts.emplace_back(std::move(name), std::move(text));
    }
};

struct ControlState {
    std::string text;
    bool enabled = true;
    std::vector<std::string> lines;
    bool operator==(const ControlState&) const = default;
};

// Everything a model shows and keeps at one moment.
struct Snapshot {
    std::map<ControlName, ControlState> controls;
    Kept kept;

    const std::string& text(ControlName control) const;
    double number(std::string_view keptName) const;
    const std::string& keptText(std::string_view keptName) const;
};

// The name of the first control or kept value that differs between the two
// snapshots and is not listed as one that may change; empty when there is
// none.
std::string firstChange(const Snapshot& before, const Snapshot& after,
                        std::initializer_list<ControlName> controlsMayChange = {},
                        std::initializer_list<std::string_view> keptMayChange = {});
// The same, with what may change chosen by a test.
std::string firstChangeWhere(const Snapshot& before, const Snapshot& after,
                             const std::function<bool(ControlName)>& controlMayChange,
                             const std::function<bool(std::string_view)>& keptMayChange);

// The control's name, for messages.
std::string nameOf(ControlName control);

// True when the text holds "inf" or "nan" in any mix of cases.
bool hasNonNumberWord(std::string_view text);

// What one handler did.
struct Fired {
    Action action;
    int line = -1;  // the list line of a double click
    Snapshot before;
    Snapshot after;
    Reaction reaction;

    bool refused() const { return reaction.message.has_value(); }
    bool focusOn(ControlName control) const {
        return reaction.focus && reaction.focus->control == control;
    }
    std::string describe() const;  // the handler and its message, for failures
};

using WindowCheck = std::function<void(const Fired&)>;

struct Window {
    std::vector<FieldRule> fields;  // every field the operator can type into
    std::vector<Action> actions;    // what the operator can press or leave
    std::function<Kept()> kept;     // the model's kept values
};

class Session {
public:
    Session(FormModel& model, Window window, WindowCheck check);

    Snapshot snapshot() const;

    // The operator types: the text replaces the field's, then the field's
    // Change handler runs and is checked like any other.
    void type(ControlName field, std::string text);
    // Fires the handler, checks it, and returns what it did.
    Fired fire(const Action& action, int line = -1);
    // Runs a whole script: each step types into one of the window's fields
    // or fires one of its actions (a list's double click on the line the
    // step's text names).
    void run(Script& script);

    const Window& window() const { return window_; }

private:
    void checkFired(const Fired& fired) const;

    FormModel& model_;
    Window window_;
    WindowCheck check_;
};

// The number a field shows, read back as its text reads; the text must be one.
double shown(const Snapshot& s, ControlName field);

// True when `shown` is what `value` shows as under a pattern of `decimals`
// decimals: off by at most half the last place, with 15 significant digits.
bool showsValue(double shown, double value, int decimals);

}  // namespace corvell::fuzz
