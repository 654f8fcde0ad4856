#pragma once
// Binds a window's widgets to its model by the controls' names. What the
// operator types goes into the model as it is typed (a claim saved at any
// moment holds it); after a handler runs, the binder writes the model's
// texts, list lines and enabled states back, shows the message, moves the
// focus, prints or navigates, as the handler's Reaction says. The same code
// serves every window.
//
// The keyboard and the mouse, the same on every window:
// - Enter (either key) on a focused button presses it, as Space does; Enter
//   on a list passes its selected line to the list's double-click handler,
//   as a double click does.
// - A list whose lines a handler changed scrolls to its last line.
// - Leaving a field runs its leave handler, whether the operator tabbed away
//   or clicked elsewhere. A handler's jump onward (a focus move without a
//   message) serves the operator who tabs through the fields; one who clicks
//   another control goes there. A refusal brings the focus back either way,
//   its text selected as the refusal asks, and stops a click on a button.
// - The program moving the focus is not the operator leaving a field.
// - A text the program writes into a field shows its beginning, unless the
//   field has the focus, where the reaction's caret (or the end, ready for
//   more typing) decides.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/formmodel.h"
#include "shell/ui/reportoutput.h"
#include "shell/ui/services.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace corvell::ui {

class FormBinder final : public QObject {
    Q_OBJECT

public:
    FormBinder(QWidget& window, FormModel& model, const Services& services);

    // Connects every control of the model to its widget; Enter in a
    // single-line field then presses `defaultButton`, if the window has one.
    // A control of the model without a widget of its name is a fault in the
    // window's layout: it throws std::logic_error.
    void bind(std::optional<ControlName> defaultButton = std::nullopt);

    // Writes the model's texts, lines and enabled states into the widgets.
    void push();

    // Runs the button's click handler for a menu command: the field that has
    // the focus keeps it, as with Enter, and a report the handler asks for
    // goes by `route`. A disabled button does nothing.
    void command(ControlName button, PrintRoute route = PrintRoute::Printer);

    const FormModel& model() const { return model_; }
    // Runs `listener` each time the widgets have been brought up to date
    // with the model, after every handler.
    void onPushed(std::function<void()> listener);

    // Runs a command of the model's own that no button stands for (Undo
    // Clear) as a handler runs: the model's texts go back to the widgets and
    // its reaction is applied.
    void perform(const std::function<Reaction()>& command);

    const Services& services() const { return services_; }

Q_SIGNALS:
    // The model may have changed: the operator typed, or a handler ran.
    void modelChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget(ControlName name) const;
    // The control a watched widget stands for (a list's viewport stands
    // for the list), if any.
    static std::optional<ControlName> lookUp(const std::map<const QObject*, ControlName>& names,
                                             const QObject* widget);
    [[noreturn]] void fail(const std::string& what) const;
    void pull();
    // Keeps the model's text of a field in step with what is typed.
    void follow(QWidget& field, ControlName name);
    void pushLines(QListWidget& list, ControlName name);
    static void placeCaret(QWidget& field, Caret caret);
    static int selectedLine(const QListWidget& list);
    // Runs the handler and writes its texts back; fire() also applies the
    // rest of its reaction.
    Reaction run(ControlName name, Event event, int line = -1);
    Reaction fire(ControlName name, Event event, int line = -1);
    void apply(const Reaction& reaction);
    void moveFocus(const Focus& focus);
    void print(const PrintJob& job);
    void leave(QWidget& field, Qt::FocusReason reason);
    bool pressByKey(QObject* watched, QEvent* event);

    QWidget& window_;
    FormModel& model_;
    Services services_;
    std::optional<ControlName> defaultButton_;
    // The control behind each widget whose events the binder watches: the
    // fields and buttons, the lists (for keys) and their viewports (for the
    // mouse).
    std::map<const QObject*, ControlName> watched_;
    std::map<const QObject*, ControlName> lists_;
    std::map<const QObject*, ControlName> listViewports_;
    QPointer<QWidget> focused_;         // the control that last received the focus
    QPointer<QWidget> pressToSwallow_;  // a button whose click a refusal stopped
    // A field the program wrote while it had the focus: should a reaction
    // take the focus away, it shows its beginning like the others.
    QPointer<QLineEdit> writtenWithFocus_;
    bool pushing_ = false;
    bool movingFocus_ = false;  // a handler's reaction is moving the focus
    // Where a report the handler running asks for goes.
    PrintRoute printRoute_ = PrintRoute::Printer;
    std::vector<std::function<void()>> pushListeners_;
};

}  // namespace corvell::ui
