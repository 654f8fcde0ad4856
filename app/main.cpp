// Corvell's Calculator: starts on the main menu.

#include <QApplication>

#include "app/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return corvell::app::runProgram();
}
