#pragma once
// The plain model of one window: the texts of its fields, the lines of its
// list box, the enabled state of its buttons, and one handler per control
// event, named as the window names them (cmdCalculate_Click,
// txtRate_LostFocus, txtAge_Change, List1_DblClick). Every window model
// offers this same interface, so one piece of UI code binds any of them to
// its widgets, and every rule can be exercised without a display.
//
// Architecture in brief: the core (this folder and the calculator folders)
// knows nothing of Qt; each window class in a ui/ folder is its layout plus
// its model, bound by shell/ui/formbinder. Each calculator window keeps its
// own calculation values (shared/calculationvalues.h): nothing one window
// computes can leak into another.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/clock.h"
#include "shell/navigation.h"
#include "shell/reaction.h"

namespace corvell {

enum class Event { Click, LostFocus, Change, DblClick };

class FormModel {
public:
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    WindowId id() const { return id_; }

    std::vector<std::string> controlNames() const;
    bool hasControl(std::string_view control) const;

    const std::string& text(std::string_view control) const;
    // The operator typed: the text changes and no handler runs.
    void setText(std::string_view control, std::string text);
    bool isEnabled(std::string_view control) const;
    const std::vector<std::string>& lines(std::string_view list) const;

    bool handles(std::string_view control, Event event) const;
    // Runs the handler of that control and event, if the window has one.
    // `line` is the selected list line for a double click (-1: none).
    Reaction fire(std::string_view control, Event event, int line = -1);

    void setClock(Clock clock) { clock_ = std::move(clock); }

protected:
    explicit FormModel(WindowId id);

    void addField(std::string name, std::string initial = {});
    void addButton(std::string name, bool enabled = true);
    void addList(std::string name);
    // The navigation buttons and Close of this calculator window.
    void addNavigationRow();

    void on(std::string_view control, Event event, std::function<Reaction()> handler);
    void onLine(std::string_view control, Event event, std::function<Reaction(int)> handler);

    // The text of a field, for the window's own handlers to change.
    std::string& field(std::string_view control);
    // Writes a field as the program does: when the text changes and the
    // field has a Change handler, that handler runs, as it would for typing.
    Reaction assign(std::string_view control, std::string text);
    void enable(std::string_view control, bool on);
    std::vector<std::string>& listLines(std::string_view list);

    LocalTime now() const { return clock_(); }

private:
    struct Control {
        enum class Kind { Field, Button, List } kind = Kind::Field;
        std::string text;
        bool enabled = true;
        std::vector<std::string> lines;
    };

    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    void add(std::string name, Control c);
    static std::string key(std::string_view control, Event event);

    WindowId id_;
    std::map<std::string, Control, std::less<>> controls_;
    std::map<std::string, std::function<Reaction(int)>, std::less<>> handlers_;
    Clock clock_;
};

}  // namespace corvell
