#include "shell/ui/helpmenu.h"

#include <QMenu>
#include <utility>

#include "shell/ui/dialogs.h"
#include "shell/ui/formwindow.h"
#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

// Every key the program answers to, and what it does.
constexpr std::pair<const char*, const char*> kShortcuts[] = {
    {"Ctrl+N", "New Claim: every window back to its starting state"},
    {"Ctrl+O", "Open Claim..."},
    {"Ctrl+S", "Save Claim"},
    {"Ctrl+Shift+S", "Save Claim As..."},
    {"Ctrl+Shift+E", "Export PDF...: the window's report as a PDF file"},
    {"Ctrl+P", "Print...: the window's report"},
    {"Ctrl+W", "Close: a calculator goes back to the main menu; the main menu ends the program"},
    {"Ctrl+Q", "Quit: ends the program, asking first about unsaved changes"},
    {"Ctrl+Return", "Calculate, on every calculator"},
    {"Ctrl+L", "Save Entry into the ledger, on the compensation and interest window"},
    {"Ctrl+T", "Next Entry, on the compensation and interest window"},
    {"Ctrl+Shift+Del", "Clear, on every calculator"},
    {"Ctrl+Z",
     "Undo Clear, on the compensation and interest window (in a field, the field's own typing "
     "is undone first)"},
    {"F1", "How Was This Calculated?"},
    {"Enter on a button", "Presses the button"},
    {"Enter in a field",
     "Presses the window's Calculate button, on every window but the compensation and "
     "interest window"},
    {"Enter on a ledger line", "Recalls the entry into the fields, as a double click does"},
    {"Tab, Shift+Tab", "The next and the previous field or button"},
};

}  // namespace

QString aboutText() {
    return QStringLiteral(
               "Corvell's Calculator\nVersion %1\n\n"
               "Calculators for workers' compensation professionals, claims staff and "
               "attorneys: compensation for a period with interest at 10 percent a year and a "
               "ledger of periods, the total and present value of future weekly payments, "
               "social security, pension and lump sum offsets, commutation, and the split of a "
               "subrogation recovery. Every calculator prints a short report headed by a case "
               "caption, and a claim file keeps what every calculator holds.")
        .arg(QStringLiteral(CORVELL_VERSION));
}

QString keyboardShortcutsText() {
    QString rows;
    for (const auto& [keys, action] : kShortcuts) {
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(keys).toHtmlEscaped(),
                         QString::fromUtf8(action).toHtmlEscaped());
    }
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

void addHelpCommands(QMenu& help, QWidget& window, Dialogs& dialogs) {
    addCommand(help, menu::mnuKeyboardShortcuts, QStringLiteral("&Keyboard Shortcuts"), {},
               [&window, &dialogs] {
                   dialogs.showMessage(&window, keyboardShortcutsText(),
                                       QStringLiteral("Keyboard Shortcuts"));
               });
    help.addSeparator();
    addCommand(help, menu::mnuAbout, QStringLiteral("&About Corvell's Calculator"), {},
               [&window, &dialogs] {
                   dialogs.showMessage(&window, aboutText(),
                                       QStringLiteral("About ") + applicationTitle());
               });
}

}  // namespace corvell::ui
