// Corvell's Calculator: starts on the main menu.

#include <QApplication>

#include "app/commandline.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    const corvell::app::CommandLine line = corvell::app::readCommandLine(argc, argv);
    if (line.exitStatus) {
        return *line.exitStatus;
    }
    QApplication app(argc, argv);
    return corvell::app::runProgram(line.claimFile);
}
