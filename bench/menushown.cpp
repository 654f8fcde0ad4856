// Starts as the program does (reading the command line and then through the same
// app::runProgram as app/main.cpp) and ends once the main menu has been painted: the start-up
// time of the real program without giving the program itself a switch to
// stop early.

#include <QApplication>

#include "app/commandline.h"
#include "app/startup.h"
#include "bench/firstpaint.h"

int main(int argc, char* argv[]) {
    const corvell::app::CommandLine line = corvell::app::readCommandLine(argc, argv);
    if (line.exitStatus) {
        return *line.exitStatus;
    }
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe;
    return corvell::app::runProgram(line.claimFile);
}
