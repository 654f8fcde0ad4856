#pragma once
// The plain model of one window: the texts of its fields (and of the labels
// it changes), the lines of its list box, the enabled state of its buttons,
// and one handler per control event, named as the window names them
// (cmdCalculate_Click, txtRate_LostFocus, txtAge_Change, List1_DblClick).
// Every window model offers this same interface, so one piece of UI code
// binds any of them to its widgets, and every rule can be exercised without
// a display.
//
// Architecture in brief: the core (this folder and the calculator folders)
// knows nothing of Qt; each window class in a ui/ folder is its layout plus
// its model, bound by shell/ui/formbinder. Each calculator window keeps its
// own calculation values (shared/calculationvalues.h): nothing one window
// computes can leak into another.

#include <functional>
#include <initializer_list>
#include <map>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "shell/controlname.h"
#include "shell/navigation.h"
#include "shell/numberfield.h"
#include "shell/reaction.h"
#include "shell/worksheet.h"

namespace corvell {

enum class Event { Click, LostFocus, Change, DblClick };

class StateReader;

class FormModel {
public:
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    WindowId id() const { return id_; }

    std::vector<ControlName> controlNames() const;
    // The text fields among them.
    std::vector<ControlName> fieldNames() const;
    // The fields that hold a number, with how each is read.
    const std::vector<NumberField>& numberFields() const { return numberFields_; }
    bool hasControl(ControlName control) const;

    const std::string& text(ControlName control) const;
    // The operator typed: the text changes and no handler runs.
    void setText(ControlName control, std::string text);
    bool isEnabled(ControlName control) const;
    const std::vector<std::string>& lines(ControlName list) const;

    // "How was this calculated?": the worksheet of the figures the window
    // shows, std::nullopt for a window that calculates nothing.
    virtual std::optional<Worksheet> worksheet() const;
    // The worksheet that goes with the window's printed report: the same,
    // unless the report prints more than the last calculation.
    virtual std::optional<Worksheet> reportWorksheet() const;

    bool handles(ControlName control, Event event) const;
    // Runs the handler of that control and event, if the window has one. A
    // report it asks for carries the window's report worksheet.
    // `line` is the selected list line for a double click (-1: none). A
    // handler asking for the focus on a control this window lacks is a
    // fault in the handler: it throws std::logic_error.
    Reaction fire(ControlName control, Event event, int line = -1);

    // Everything the window shows and keeps, as a claim file holds it: the
    // field texts, the buttons that are disabled, the list lines and the
    // values the window keeps.
    nlohmann::json saveState() const;
    // Takes a saved state back. Checks as it reads and throws StateError
    // naming what is wrong, so read into a fresh model first: this one may be
    // half changed then.
    void loadState(const StateReader& state);

protected:
    explicit FormModel(WindowId id);

    void addField(ControlName name, std::string initial = {});
    void addButton(ControlName name, bool enabled = true);
    void addList(ControlName name);
    // A label whose text the window's handlers change, as they change a
    // field's (through field()).
    void addLabel(ControlName name, std::string text);
    void addFields(std::span<const ControlName> names);
    void addFields(std::initializer_list<ControlName> names) {
        addFields(std::span(names.begin(), names.size()));
    }
    // Fields that hold a number, each read by its declaration.
    void addNumberFields(std::initializer_list<NumberField> fields);
    // The number in a field declared with addNumberFields, or its refusal.
    NumberRead number(const NumberField& field) const;
    // The navigation buttons and Close of this calculator window.
    void addNavigationRow();
    // A calculator's Calculate, Print and Clear buttons, then its navigation
    // row.
    void addCalculatorButtons(ControlName calculate, ControlName print, ControlName clear);

    void on(ControlName control, Event event, std::function<Reaction()> handler);
    void onLine(ControlName control, Event event, std::function<Reaction(int)> handler);

    // The text of a field, for the window's own handlers to change.
    std::string& field(ControlName control);
    // Writes a field as the program does: when the text changes and the
    // field has a Change handler, that handler runs, as it would for typing.
    Reaction assign(ControlName control, std::string text);
    void enable(ControlName control, bool on);
    std::vector<std::string>& listLines(ControlName list);

    // A value the window keeps beside its controls, which a claim file holds
    // under `key`; `load` throws StateError when the saved one is wrong. The
    // values are taken back in the order they were kept, after the fields
    // and lists, and then keptLoaded runs.
    void keep(std::string key, std::function<nlohmann::json()> save,
              std::function<void(const StateReader&)> load);
    void keepNumber(std::string key, double& number);
    // Saved as null while there is none.
    void keepNumber(std::string key, std::optional<double>& number);
    // The log of the window's Calculate: the window's worksheet, kept under
    // "worksheet". (Defined with the saving of logs, shell/worksheetstate.h.)
    template <class Record>
    void keepLog(CalculationLog<Record>& log, const RecordFormat<Record>& format);
    // Every kept value is back: checks that they agree with one another
    // (throwing StateError) and brings back what follows from them.
    virtual void keptLoaded(const StateReader& kept);

private:
    struct Control {
        enum class Kind { Field, Button, List, Label } kind = Kind::Field;
        std::string text;
        bool enabled = true;
        std::vector<std::string> lines;
    };

    Control& control(ControlName name);
    const Control& control(ControlName name) const;
    void add(ControlName name, Control c);

    WindowId id_;
    std::map<ControlName, Control> controls_;
    // Where the text of a name constant led (the map's nodes never move).
    std::unordered_map<const char*, std::pair<std::size_t, Control*>> byText_;
    std::map<std::pair<ControlName, Event>, std::function<Reaction(int)>> handlers_;

    struct KeptValue {
        std::string key;
        std::function<nlohmann::json()> save;
        std::function<void(const StateReader&)> load;
    };
    std::vector<KeptValue> kept_;
    std::vector<NumberField> numberFields_;
    std::function<Worksheet()> worksheet_;
};

}  // namespace corvell
