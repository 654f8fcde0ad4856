#pragma once
// Binds a window's widgets to its model by the controls' names. Before a
// handler runs, the binder copies what the operator typed into the model;
// afterwards it writes the model's texts, list lines and enabled states back,
// shows the message, moves the focus, prints or navigates, as the handler's
// Reaction says. The same code serves every window.

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "shell/formmodel.h"
#include "shell/ui/services.h"

class QListWidget;
class QWidget;

namespace corvell::ui {

class FormBinder final : public QObject {
public:
    FormBinder(QWidget& window, FormModel& model, const Services& services);

    // Connects every control of the model to its widget; Enter in a
    // single-line field then presses `defaultButton`, if the window has one.
    void bind(const char* defaultButton = nullptr);

    // Writes the model's texts, lines and enabled states into the widgets.
    void push();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget(const std::string& name) const;
    void pull();
    static void pushLines(QListWidget& list, const std::vector<std::string>& lines);
    Reaction fire(const std::string& name, Event event, int line = -1);
    void apply(const Reaction& reaction);
    void print(const PrintJob& job);
    void leave(QWidget& field, Qt::FocusReason reason);

    QWidget& window_;
    FormModel& model_;
    Services services_;
    std::string defaultButton_;
    QPointer<QWidget> focused_;         // the control that last received the focus
    QPointer<QWidget> pressToSwallow_;  // a button whose click a refusal stopped
    bool pushing_ = false;
    bool movingFocus_ = false;  // a handler's reaction is moving the focus
};

}  // namespace corvell::ui
