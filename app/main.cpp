// Corvell's Calculator: starts on the main menu.

#include <QApplication>

#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/windowmanager.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(corvell::ui::applicationTitle());
    // Only the main menu's Close (or its window's close control) ends the
    // program; closing a calculator merely hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    corvell::ui::installFontSubstitutes();

    corvell::ui::SystemDialogs dialogs;
    corvell::ui::WindowManager windows(dialogs, corvell::SystemNow,
                                       [] { QCoreApplication::quit(); });
    windows.show(corvell::WindowId::BeginForm);
    return QApplication::exec();
}
