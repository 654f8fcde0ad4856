#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "app/program.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"

namespace corvell::app {
namespace {

// The claim file named on the command line, if any. --help and --version
// answer and end the program here.
QString claimFileArgument() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculators for workers' compensation professionals."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A claim file (.claim) to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(*QCoreApplication::instance());
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

int runProgram() {
    QApplication::setApplicationName(ui::applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(CORVELL_VERSION));
    // Only the main menu's Close (or its window's close control) ends the
    // program; closing a calculator merely hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installLook();
    const QString claimFile = claimFileArgument();

    // ~/.config/corvell/corvells-calculator.conf: the recent claims and each
    // window's paper.
    QSettings settings(QSettings::UserScope, QStringLiteral("corvell"),
                       QStringLiteral("corvells-calculator"));
    ui::SystemDialogs dialogs(settings);
    Program program(dialogs, settings, systemNow, [] { QCoreApplication::quit(); });
    program.start(claimFile);
    return QApplication::exec();
}

}  // namespace corvell::app
