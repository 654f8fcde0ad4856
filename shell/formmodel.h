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
#include "shell/savedwindow.h"
#include "shell/worksheet.h"

namespace corvell {

enum class Event { Click, LostFocus, Change, DblClick };
inline constexpr Event kEvents[] = {Event::Click, Event::LostFocus, Event::Change, Event::DblClick};
// As a handler's name ends: "Click" in cmdCalculate_Click.
const char* eventName(Event event);

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
    // How a screen reader reads line `line` of a list: the line itself,
    // unless the window reads it otherwise; empty for a blank line that
    // only separates others.
    virtual std::string lineReadAloud(ControlName list, std::size_t line) const;

    // "How was this calculated?": the worksheet of the figures the window
    // shows, std::nullopt for a window that calculates nothing. When opening
    // the claim changed figures of this window, they head it.
    std::optional<Worksheet> worksheet() const;
    // The worksheet that goes with the window's printed report: the same,
    // unless the report prints more than the last calculation.
    std::optional<Worksheet> reportWorksheet() const;

    bool handles(ControlName control, Event event) const;
    // Runs the handler of that control and event, if the window has one. A
    // report it asks for carries the window's report worksheet.
    // `line` is the selected list line for a double click (-1: none). A
    // handler asking for the focus on a control this window lacks is a
    // fault in the handler: it throws std::logic_error.
    Reaction fire(ControlName control, Event event, int line = -1);

    // What a claim file keeps of the window: the field texts, the disabled
    // buttons and what its last Calculate that passed its checks read.
    virtual SavedWindow save() const;
    // The window as `saved` had it, rebuilt by running its own Calculate on
    // what was typed. Every figure that comes out otherwise than the saved
    // one is added to `changes`, and heads the window's worksheet.
    void reopen(const SavedWindow& saved, FigureChanges& changes);
    // Every control and value as when the window was made.
    void startAfresh();
    // What opening the claim changed here (see reopen).
    const FigureChanges& changesOnOpening() const { return changes_; }

protected:
    explicit FormModel(WindowId id);

    void addField(ControlName name, std::string initial = {});
    void addButton(ControlName name, bool enabled = true);
    void addList(ControlName name);
    // A label whose text the window's handlers change, as they change a
    // field's (through field()).
    void addLabel(ControlName name, std::string text);
    // A field's text when the window is made, other than empty.
    void startWith(ControlName field, std::string text);
    void addFields(std::span<const ControlName> names);
    void addFields(std::initializer_list<ControlName> names) {
        addFields(std::span(names.begin(), names.size()));
    }
    // Fields that only show the figures of the window's Calculate.
    void addResultFields(std::span<const ControlName> names);
    void addResultFields(std::initializer_list<ControlName> names) {
        addResultFields(std::span(names.begin(), names.size()));
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
    // The button whose Click calculates: what it read when it last passed
    // its checks is what a claim file keeps.
    void calculatesWith(ControlName button) { calculateButton_ = button; }

    void on(ControlName control, Event event, std::function<Reaction()> handler);
    void onLine(ControlName control, Event event, std::function<Reaction(int)> handler);

    // The text of a field, for the window's own handlers to change.
    std::string& field(ControlName control);
    // Writes a field as the program does: when the text changes and the
    // field has a Change handler, that handler runs, as it would for typing.
    Reaction assign(ControlName control, std::string text);
    void enable(ControlName control, bool on);
    std::vector<std::string>& listLines(ControlName list);

    // The log of the window's Calculate: what its worksheet shows, and
    // whether a Calculate passed its checks.
    template <class Record>
    void showsLog(CalculationLog<Record>& log, Worksheet (*show)(const CalculationLog<Record>&)) {
        worksheet_ = [&log, show] { return show(log); };
        passes_ = [&log] { return log.passes; };
        calculationShown_ = [&log] { return log.record.has_value(); };
        refusalShown_ = [&log] { return log.refusal.has_value(); };
    }
    // The worksheets themselves, for a window that builds its own.
    virtual std::optional<Worksheet> ownWorksheet() const;
    virtual std::optional<Worksheet> ownReportWorksheet() const { return ownWorksheet(); }

    // Reopening: the window's own values as when the program starts (its
    // controls are put back by reopen), and the rebuilding of a window that
    // keeps more than its last Calculate.
    virtual void forgetCalculations();
    virtual void rebuild(const SavedWindow& saved, FigureChanges& changes);
    // Runs the Calculates that were refused after the last that passed again.
    void refuseAgain(const SavedWindow& saved);
    // Runs the Calculate on the texts `typed` (every question answered Yes);
    // the refusal's message when it does not pass its checks.
    std::optional<std::string> calculateAgain(const FieldTexts& typed);
    // Puts the saved texts back into the fields, but a field that showed a
    // figure of the Calculate (`figures`) keeps the figure just worked out
    // (when `calculated` is false: what was `typed` there before it, or none
    // in a result field); a figure that changed is added to `changes` under
    // `where`.
    void restoreFields(const FieldTexts& saved, const FieldTexts& typed,
                       const std::vector<std::string>& figures, bool calculated,
                       const std::string& where, FigureChanges& changes);
    // Every control as when the window was made.
    void resetControls();
    // The names of the fields that only show figures (addResultFields).
    std::vector<std::string> resultFields() const;

private:
    struct Control {
        enum class Kind { Field, Button, List, Label } kind = Kind::Field;
        std::string text;
        bool enabled = true;
        std::vector<std::string> lines;
        std::string initialText;
        bool initiallyEnabled = true;
        bool result = false;  // a field that only shows figures
    };

    Control& control(ControlName name);
    const Control& control(ControlName name) const;
    void add(ControlName name, Control c);

    WindowId id_;
    std::map<ControlName, Control> controls_;
    // Where the text of a name constant led (the map's nodes never move).
    std::unordered_map<const char*, std::pair<std::size_t, Control*>> byText_;
    std::map<std::pair<ControlName, Event>, std::function<Reaction(int)>> handlers_;

    // The last Calculate that passed its checks: the fields before it, and
    // the figures it wrote (by field, as written).
    struct LastCalculation {
        FieldTexts typed;
        FieldTexts written;
    };
    FieldTexts fieldTexts() const;

    std::vector<NumberField> numberFields_;
    std::function<Worksheet()> worksheet_;
    std::function<unsigned()> passes_;
    // Whether the window still shows its last calculation (Clear may forget it).
    std::function<bool()> calculationShown_;
    std::function<bool()> refusalShown_;
    // The Calculates refused since the last that passed: what each read. A
    // refused Calculate may leave part of its work behind, so opening a
    // claim runs them again too.
    std::vector<FieldTexts> refusedSince_;
    std::optional<ControlName> calculateButton_;
    std::optional<LastCalculation> lastCalculation_;
    // The fields a running Calculate wrote, while it runs.
    std::vector<ControlName>* written_ = nullptr;
    FigureChanges changes_;
};

}  // namespace corvell
