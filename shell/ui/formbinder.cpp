#include "shell/ui/formbinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "shell/ui/claimcommands.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QString toQt(const std::string& s) {
    return QString::fromStdString(s);
}

QString toQt(ControlName name) {
    return QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
}

std::string widgetText(const QWidget* w) {
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) {
        return line->text().toStdString();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(w)) {
        return box->toPlainText().toStdString();
    }
    return {};
}

bool isTextWidget(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(w) != nullptr;
}

bool isEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

FormBinder::FormBinder(QWidget& window, FormModel& model, const Services& services)
    : QObject(&window), window_(window), model_(model), services_(services) {}

QWidget* FormBinder::widget(ControlName name) const {
    return clientArea(window_).findChild<QWidget*>(toQt(name), Qt::FindDirectChildrenOnly);
}

std::optional<ControlName> FormBinder::lookUp(const std::map<const QObject*, ControlName>& names,
                                              const QObject* widget) {
    const auto it = names.find(widget);
    if (it == names.end()) {
        return std::nullopt;
    }
    return it->second;
}

void FormBinder::fail(const std::string& what) const {
    throw std::logic_error(window_.objectName().toStdString() + ": " + what);
}

void FormBinder::bind(std::optional<ControlName> defaultButton) {
    defaultButton_ = defaultButton;
    for (const ControlName name : model_.controlNames()) {
        QWidget* w = widget(name);
        if (w == nullptr) {
            fail("no widget named " + std::string(name.name()));
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->installEventFilter(this);
            watched_.emplace(button, name);
            connect(button, &QPushButton::clicked, this,
                    [this, name] { fire(name, Event::Click); });
            if (name == defaultButton_) {
                button->setDefault(true);
            }
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->installEventFilter(this);
            watched_.emplace(line, name);
            follow(*line, name);
            connect(line, &QLineEdit::textEdited, this, [this, name] {
                if (model_.handles(name, Event::Change)) {
                    fire(name, Event::Change);
                }
            });
            if (defaultButton_) {
                // Enter presses the default button; the field keeps the focus.
                connect(line, &QLineEdit::returnPressed, this,
                        [this] { fire(*defaultButton_, Event::Click); });
            }
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            box->installEventFilter(this);
            watched_.emplace(box, name);
            follow(*box, name);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            list->installEventFilter(this);
            lists_.emplace(list, name);
            list->viewport()->installEventFilter(this);
            listViewports_.emplace(list->viewport(), name);
        }
    }
    push();
}

void FormBinder::follow(QWidget& field, ControlName name) {
    const auto typed = [this, &field, name] {
        if (!pushing_) {
            model_.setText(name, widgetText(&field));
            Q_EMIT modelChanged();
        }
    };
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        connect(line, &QLineEdit::textChanged, this, typed);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(&field)) {
        connect(box, &QPlainTextEdit::textChanged, this, typed);
    }
}

void FormBinder::pull() {
    for (const ControlName name : model_.controlNames()) {
        const QWidget* w = widget(name);
        if (isTextWidget(w)) {
            model_.setText(name, widgetText(w));
        }
    }
}

// Rewrites only the lines that changed: a ledger Save rebuilds every line in
// the model, but most of them read the same as before. A list whose lines
// changed scrolls to its end: after a Save the ledger panel shows its totals
// line and above it as many entries as fit, the one just saved among them
// whenever the two fit in view together. A list that did not change stays
// where the operator scrolled it.
//
// Each line carries what a screen reader says of it; a blank line, which
// only separates others, takes neither the selection nor the focus.
void FormBinder::pushLines(QListWidget& list, ControlName name) {
    const std::vector<std::string>& lines = model_.lines(name);
    const int wanted = static_cast<int>(lines.size());
    bool changed = list.count() > wanted;
    while (list.count() > wanted) {
        delete list.takeItem(list.count() - 1);
    }
    for (int i = 0; i < wanted; ++i) {
        const QString text = toQt(lines[static_cast<std::size_t>(i)]);
        QListWidgetItem* item = i < list.count() ? list.item(i) : nullptr;
        if (item != nullptr && item->text() == text) {
            continue;
        }
        if (item == nullptr) {
            item = new QListWidgetItem(&list);
        }
        item->setText(text);
        item->setData(Qt::AccessibleTextRole,
                      toQt(model_.lineReadAloud(name, static_cast<std::size_t>(i))));
        item->setFlags(text.trimmed().isEmpty() ? Qt::NoItemFlags
                                                : Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        changed = true;
    }
    if (changed) {
        list.scrollToBottom();
    }
}

void FormBinder::push() {
    pushing_ = true;
    writtenWithFocus_ = nullptr;
    for (const ControlName name : model_.controlNames()) {
        QWidget* w = widget(name);
        if (w == nullptr) {
            continue;
        }
        const QString text = toQt(model_.text(name));
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            if (line->text() != text) {
                // setText leaves the cursor at the end, and a field too narrow
                // for the text would show only its tail.
                line->setText(text);
                if (window_.focusWidget() == line) {
                    writtenWithFocus_ = line;
                } else {
                    line->setCursorPosition(0);
                }
            }
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            if (box->toPlainText() != text) {
                box->setPlainText(text);
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            pushLines(*list, name);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text() != text) {
                label->setText(text);
            }
        }
        w->setEnabled(model_.isEnabled(name));
    }
    pushing_ = false;
    for (const auto& listener : pushListeners_) {
        listener();
    }
}

void FormBinder::onPushed(std::function<void()> listener) {
    pushListeners_.push_back(std::move(listener));
}

Reaction FormBinder::run(ControlName name, Event event, int line) {
    pull();
    Reaction reaction = model_.fire(name, event, line);
    push();
    Q_EMIT modelChanged();
    return reaction;
}

Reaction FormBinder::fire(ControlName name, Event event, int line) {
    Reaction reaction = run(name, event, line);
    apply(reaction);
    return reaction;
}

void FormBinder::apply(const Reaction& reaction) {
    if (reaction.message) {
        const QString title =
            reaction.message->title.empty() ? applicationTitle() : toQt(reaction.message->title);
        services_.dialogs.showMessage(&window_, toQt(reaction.message->text), title);
    }
    if (reaction.question) {
        const Question& q = *reaction.question;
        const QString title = q.title.empty() ? applicationTitle() : toQt(q.title);
        const bool yes = services_.dialogs.askYesNo(&window_, toQt(q.text), title);
        perform(yes ? q.yes : q.no);
        return;
    }
    if (reaction.focus) {
        moveFocus(*reaction.focus);
    }
    if (writtenWithFocus_ && window_.focusWidget() != writtenWithFocus_) {
        writtenWithFocus_->setCursorPosition(0);
    }
    writtenWithFocus_ = nullptr;
    if (reaction.print) {
        print(*reaction.print);
    }
    if (reaction.show) {
        services_.navigator.show(*reaction.show);
    }
    if (reaction.hideSelf) {
        services_.navigator.hide(model_.id());
    }
    // Ending the program first asks about the claim's unsaved changes.
    if (reaction.endProcess) {
        services_.endProgram(window_);
    }
}

void FormBinder::moveFocus(const Focus& focus) {
    QWidget* w = widget(focus.control);
    if (w == nullptr) {
        fail("the focus goes to " + std::string(focus.control.name()) + ", which has no widget");
    }
    // The program moving the focus is not the operator leaving a field: no
    // leave handler runs for it.
    movingFocus_ = true;
    w->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
    placeCaret(*w, focus.caret);
}

void FormBinder::placeCaret(QWidget& field, Caret caret) {
    const bool selectAll = caret == Caret::SelectAll;
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        if (selectAll) {
            line->selectAll();
        } else {
            line->deselect();
            line->setCursorPosition(0);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(&field)) {
        if (selectAll) {
            box->selectAll();
        } else {
            box->moveCursor(QTextCursor::Start);
        }
    }
}

// The list's line the operator chose: its current line, when selected.
int FormBinder::selectedLine(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr && item->isSelected() ? list.currentRow() : -1;
}

void FormBinder::print(const PrintJob& job) {
    sendReport(job, printRoute_, window_, model_.id(), services_);
}

void FormBinder::command(ControlName button, PrintRoute route) {
    QWidget* w = widget(button);
    if (w == nullptr) {
        fail("a menu command stands for " + std::string(button.name()) + ", which has no widget");
    }
    if (!w->isEnabled()) {
        return;
    }
    // A press of the button first takes the focus from the field being typed
    // in, whose leave handler runs (a date is read and written out); a
    // refusal there stops the command as it stops the click.
    QWidget* typing = window_.focusWidget();
    if (const std::optional<ControlName> field = lookUp(watched_, typing);
        field && *field != button && model_.handles(*field, Event::LostFocus)) {
        w->setFocus(Qt::MouseFocusReason);
        const bool refused = pressToSwallow_ == w || window_.focusWidget() != w;
        pressToSwallow_ = nullptr;
        if (refused) {
            return;
        }
    }
    printRoute_ = route;
    const auto reset = qScopeGuard([this] { printRoute_ = PrintRoute::Printer; });
    fire(button, Event::Click);
}

void FormBinder::perform(const std::function<Reaction()>& command) {
    pull();
    const Reaction reaction = command();
    push();
    Q_EMIT modelChanged();
    apply(reaction);
}

void FormBinder::leave(QWidget& field, Qt::FocusReason reason) {
    const std::optional<ControlName> control = lookUp(watched_, &field);
    if (!control || !model_.handles(*control, Event::LostFocus)) {
        return;
    }
    const ControlName name = *control;
    // The focus has already gone to the control the operator pressed or
    // tabbed to.
    QWidget* receiver = QApplication::focusWidget();
    const bool clickedAway = reason == Qt::MouseFocusReason;
    Reaction reaction = run(name, Event::LostFocus);
    if (clickedAway && reaction.focus && !reaction.message && reaction.focus->control != name) {
        // A jump onward helps the operator who tabs through the fields; one
        // who clicked another control meant to go there.
        reaction.focus.reset();
    }
    apply(reaction);
    if (reaction.message && clickedAway && qobject_cast<QAbstractButton*>(receiver) != nullptr) {
        // A refusal on leaving a field stops the click that moved the focus
        // away, as the message box takes the mouse. The press is on its way
        // right now; if it never comes, forget it.
        pressToSwallow_ = receiver;
        QTimer::singleShot(0, this, [this] { pressToSwallow_ = nullptr; });
    }
}

// Enter presses a focused button, as Space does, and recalls the selected
// line of a list, as a double click does. Held down, it acts once.
bool FormBinder::pressByKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isEnter(*static_cast<QKeyEvent*>(event))) {
        return false;
    }
    const bool repeat = static_cast<QKeyEvent*>(event)->isAutoRepeat();
    if (auto* button = qobject_cast<QPushButton*>(watched); button && watched_.contains(button)) {
        if (!repeat) {
            button->click();
        }
        return true;
    }
    if (const std::optional<ControlName> name = lookUp(lists_, watched)) {
        if (!repeat) {
            fire(*name, Event::DblClick, selectedLine(*static_cast<QListWidget*>(watched)));
        }
        return true;
    }
    return false;
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr) {
        return false;
    }
    if (pressByKey(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (const std::optional<ControlName> name = lookUp(listViewports_, w)) {
            const auto* list = qobject_cast<const QListWidget*>(w->parentWidget());
            // A blank line cannot be chosen: a double click on it chooses none.
            const QListWidgetItem* under =
                list != nullptr
                    ? list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint())
                    : nullptr;
            const bool blank = under != nullptr && !(under->flags() & Qt::ItemIsSelectable);
            fire(*name, Event::DblClick, list != nullptr && !blank ? selectedLine(*list) : -1);
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && w == pressToSwallow_) {
        pressToSwallow_ = nullptr;
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        focused_ = w;
        return false;
    }
    if (event->type() == QEvent::FocusOut && !pushing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window (a message box included) or opening a
        // menu (Alt+F) is not leaving the field; and a control that never got
        // the focus cannot lose it.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason || focused_ != w) {
            return false;
        }
        focused_ = nullptr;
        if (movingFocus_) {
            return false;
        }
        leave(*w, reason);
        // When the handler put the focus straight back, the field was never
        // really left: it keeps the selection the handler made. (Ask the
        // window: after a message box it may not be active again yet.)
        return window_.focusWidget() == w;
    }
    return false;
}

}  // namespace corvell::ui
