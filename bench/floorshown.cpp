// The floor for start-up: the least a Qt Widgets program does to put one
// window on screen, built the same way as the menu program and ended at the
// same moment (its window painted).

#include <QApplication>
#include <QWidget>

#include "bench/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe;
    QApplication::setApplicationName(QStringLiteral("Floor"));
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget window;
    window.show();
    return QApplication::exec();
}
