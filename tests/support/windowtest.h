#pragma once
// Drives real windows as the operator would: type into a field, leave it with
// Tab or a click elsewhere, press buttons and Enter, double-click list lines.
// Every test builds a fresh program (a claim, its commands and the windows)
// with fake dialogs, settings of its own and a clock that stands still unless
// the test moves it.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <span>

#include "app/program.h"

#include "shell/controlname.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/windowmanager.h"
#include "tests/support/controlnames.h"
#include "tests/support/fakedialogs.h"

namespace corvell::test {

// The moment every report heading shows in tests: 03-04-2026 09:05:07.
LocalTime testMoment();

class WindowTest {
public:
    WindowTest();

    // Opens (creating on first use) and activates the window.
    QWidget& open(WindowId id);
    template <class Window>
    Window& open(WindowId id) {
        return static_cast<Window&>(open(id));
    }

    FakeDialogs dialogs;
    // The moment the windows' clock tells; a test may move it on.
    LocalTime now = testMoment();
    int quitCalls = 0;
    // The operator's settings (the recent claims), in a file of the test's own.
    QTemporaryDir settingsFolder;
    QSettings settings;
    app::Program program;
    Claim& claim = program.claim;
    ui::ClaimController& claims = program.claims;
    ui::WindowManager& windows = program.windows;
};

QLineEdit* lineEdit(QWidget& window, ControlName name);
QPushButton* button(QWidget& window, ControlName name);
QWidget* control(QWidget& window, ControlName name);
// The menu command of this name.
QAction* command(QWidget& window, ControlName name);

// Replaces the field's text as if typed, leaving the focus in the field.
void type(QWidget& window, ControlName field, const QString& text);
// Types the text, then leaves the field by giving the focus elsewhere (to a
// control that has no leave handler of its own, such as a button).
void typeAndLeave(QWidget& window, ControlName field, const QString& text, ControlName to);
void click(QWidget& window, ControlName name);
void pressEnter(QWidget& window, ControlName field);
void doubleClickLine(QWidget& window, ControlName list, int row);
QString text(QWidget& window, ControlName name);
// The texts of the fields, in the order given.
QStringList texts(QWidget& window, std::span<const ControlName> names);
QStringList texts(QWidget& window, std::initializer_list<ControlName> names);
// The names of those of the fields that hold any text.
QStringList filled(QWidget& window, std::initializer_list<ControlName> names);
// Types the texts into the fields, one by one in the order given, as type()
// does; with `leaveTo`, leaves each field for it as typeAndLeave() does.
void typeAll(QWidget& window, std::initializer_list<ControlName> fields, const QStringList& typed,
             std::optional<ControlName> leaveTo = std::nullopt);
QStringList listLines(QWidget& window, ControlName name);
QWidget* focused();

}  // namespace corvell::test
