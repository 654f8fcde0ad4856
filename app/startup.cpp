#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QSettings>

#include "app/program.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"

namespace corvell::app {
namespace {

// The windows' icon, for title bars and task switchers: the sizes drawn for
// them up to 64 pixels (a dock that wants larger finds the installed icons
// through the desktop entry). Read as the PNGs they are: asked to guess, Qt
// would load every image format plugin first to ask each one.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QImageReader png(QStringLiteral(":/icons/%1x%1/corvells-calculator.png").arg(size), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

}  // namespace

int runProgram(const QString& claimFile) {
    QApplication::setApplicationName(ui::applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(CORVELL_VERSION));
    // Only the main menu's Close (or its window's close control) ends the
    // program; closing a calculator merely hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the windows to the desktop entry, for the dock's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvell.calculator"));
    QApplication::setWindowIcon(programIcon());
    ui::installLook();

    // ~/.config/corvell/corvells-calculator.conf: the recent claims, each
    // window's paper and where each window was left.
    QSettings settings(QSettings::UserScope, QStringLiteral("corvell"),
                       QStringLiteral("corvells-calculator"));
    ui::SystemDialogs dialogs(settings);
    Program program(dialogs, settings, systemNow, [] { QCoreApplication::quit(); });
    program.start(claimFile);
    return QApplication::exec();
}

}  // namespace corvell::app
