// Starts as the program does (app/main.cpp, step for step) and ends once the
// main menu has been painted: the start-up time of the real program without
// giving the program itself a switch to stop early.

#include <QApplication>

#include "bench/firstpaint.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/windowmanager.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe;
    QApplication::setApplicationName(corvell::ui::applicationTitle());
    QApplication::setQuitOnLastWindowClosed(false);
    corvell::ui::installFontSubstitutes();

    corvell::ui::SystemDialogs dialogs;
    corvell::ui::WindowManager windows(dialogs, corvell::SystemNow,
                                       [] { QCoreApplication::quit(); });
    windows.show(corvell::WindowId::BeginForm);
    return QApplication::exec();
}
