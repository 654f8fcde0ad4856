#pragma once
// One window model driven by a fuzz script as its window would drive it:
// texts typed into fields (with the field's Change handler), and clicks and
// leave handlers fired. Every handler is checked for what holds on any
// window:
// - no exception escapes it;
// - a field it writes never shows "inf" or "nan" in any spelling unless the
//   field already held that text; a number field it writes is empty or reads
//   back as a number; a date field it writes is empty, a date within
//   01/01/100..12/31/9999, or refused text that the focus returns to (both
//   read as fuzz/reading.h reads them);
// - the values the model keeps stay finite;
// - Print changes nothing, and its report lays out;
// - a handler that asks a question changes nothing before it is answered
//   (as the script says, answersYes);
// - the focus it asks for goes to a control the window has.
// Each window's own rules are checked by the callback its target passes.
//
// The session takes one snapshot of the window after each handler and uses
// it as the "before" of the next one (typing updates it); it takes them into
// two buffers in turn, which keep their memory, and a list's lines are shared
// between snapshots for as long as they do not change, so that a long ledger
// panel is not copied at every step.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "fuzz/script.h"
#include "shell/formmodel.h"

namespace corvell::fuzz {

// What a handler may write into a field.
enum class Shows {
    Text,    // free text, or the operator's own text passed through
    Number,  // empty, or a number as a whole
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

// The values a model keeps besides its controls, by name (a literal).
struct Kept {
    std::vector<std::pair<std::string_view, double>> numbers;
    std::vector<std::pair<std::string_view, std::string>> texts;
    void add(std::string_view name, double value) { numbers.emplace_back(name, value); }
    void add(std::string_view name, std::string text) { texts.emplace_back(name, std::move(text)); }
};

using Lines = std::vector<std::string>;

struct ControlState {
    std::string text;
    bool enabled = true;
    // Shared with the previous snapshot while the list is unchanged; null
    // for a control without lines.
    std::shared_ptr<const Lines> lines;

    const Lines& listLines() const;
    bool operator==(const ControlState& other) const;
};

// The controls of one window, in a fixed order, found by name.
class ControlIndex {
public:
    explicit ControlIndex(std::vector<ControlName> names);
    const std::vector<ControlName>& names() const { return names_; }
    // The place of the control; the control must be one of the window's.
    std::size_t of(ControlName control) const;

private:
    std::vector<ControlName> names_;
    // By the address of the name's text, learnt as names are looked up:
    // each piece of code names a control by one constant, whose text stays
    // put, so after the first look-up no text is compared.
    mutable std::unordered_map<const char*, std::size_t> byAddress_;
};

// Everything a model shows and keeps at one moment.
struct Snapshot {
    std::shared_ptr<const ControlIndex> index;
    std::vector<ControlState> controls;  // in the index's order
    Kept kept;

    const ControlState& control(ControlName control) const;
    const std::string& text(ControlName control) const { return this->control(control).text; }
    bool enabled(ControlName control) const { return this->control(control).enabled; }
    const Lines& lines(ControlName control) const { return this->control(control).listLines(); }
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
    const Snapshot& before;
    const Snapshot& after;
    // With a question, what the handler did once it was answered.
    Reaction reaction;
    std::optional<std::string> asked;  // the question the handler asked
    bool answeredYes = false;
    Lines printed;  // the plain lines of the report it printed, if it printed

    bool refused() const { return reaction.message.has_value(); }
    bool focusOn(ControlName control) const {
        return reaction.focus && reaction.focus->control == control;
    }
    std::string describe() const;  // the handler and its message, for failures
};

using WindowCheck = std::function<void(const Fired&)>;

// Stops the run when the handler changed a control or kept value other than
// the ones listed.
void expectOnlyChanged(const Fired& f, std::initializer_list<ControlName> controlsMayChange = {},
                       std::initializer_list<std::string_view> keptMayChange = {});
// Whether the handler was refused; a refused handler must have changed
// nothing.
bool refusedChangingNothing(const Fired& f);
// Stops the run when one of the fields is not empty after the handler.
void expectEmptied(const Fired& f, std::span<const ControlName> fields);
inline void expectEmptied(const Fired& f, std::initializer_list<ControlName> fields) {
    expectEmptied(f, std::span<const ControlName>(fields.begin(), fields.size()));
}

struct Window {
    std::vector<FieldRule> fields;    // every field the operator can type into
    std::vector<Action> actions;      // what the operator can press or leave
    std::function<void(Kept&)> kept;  // adds the model's kept values
};

class Session {
public:
    Session(FormModel& model, Window window, WindowCheck check);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    // The operator types: the text replaces the field's, then the field's
    // Change handler runs and is checked like any other.
    void type(ControlName field, std::string text);
    // Fires the handler, answers its question if it asks one, and checks
    // it; the model must change nothing before the question is answered.
    void fire(const Action& action, int line = -1, bool answerYes = true);
    // Runs a whole script: each step types into one of the window's fields
    // or fires one of its actions (a list's double click on the line the
    // step's text names).
    void run(Script& script);

    const Window& window() const { return window_; }

private:
    // Takes what the window shows and keeps now into `s`, sharing the lines
    // of `previous` that still stand.
    void takeSnapshot(Snapshot& s, const Snapshot* previous) const;
    void checkFired(const Fired& fired) const;

    FormModel& model_;
    Window window_;
    WindowCheck check_;
    std::shared_ptr<const ControlIndex> index_;
    // Each control's text and lines where the model holds them (they stay
    // put for the model's life), in the index's order.
    std::vector<const std::string*> texts_;
    std::vector<const Lines*> lines_;
    // The window's own buttons and lists, which handlers enable and disable.
    // No handler disables a field the operator types into or a button of the
    // navigation row: their enabled state is checked once, when the session
    // ends, rather than at every step.
    std::vector<bool> disables_;
    std::vector<std::size_t> fieldIndex_;  // of each of the window's fields
    Snapshot shots_[2];
    int now_ = 0;  // shots_[now_]: the window as the last handler (or typing) left it
};

// The number a field shows, read back as its text reads; the text must be one.
double shown(const Snapshot& s, ControlName field);

}  // namespace corvell::fuzz
