// Starts as the program does (through the same app::runProgram as
// app/main.cpp) and ends once the main menu has been painted: the start-up
// time of the real program without giving the program itself a switch to
// stop early.

#include <QApplication>

#include "app/startup.h"
#include "bench/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe;
    return corvell::app::runProgram();
}
