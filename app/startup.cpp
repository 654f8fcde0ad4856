#include "app/startup.h"

#include <QApplication>

#include "app/windowfactory.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/windowmanager.h"

namespace corvell::app {

int runProgram() {
    QApplication::setApplicationName(ui::applicationTitle());
    // Only the main menu's Close (or its window's close control) ends the
    // program; closing a calculator merely hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutes();

    ui::SystemDialogs dialogs;
    ui::WindowManager windows(createWindow, dialogs, systemNow, [] { QCoreApplication::quit(); });
    windows.show(WindowId::BeginForm);
    return QApplication::exec();
}

}  // namespace corvell::app
