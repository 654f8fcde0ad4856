// The floors for start-up: the least a Qt Widgets program does to put one
// window on screen, built the same way as the menu program and ended at the
// same moment (its window painted). Without an argument the window is an
// empty QWidget; with "hello" it is Qt's own minimal program, one window
// showing a line of text, which pays for starting the fonts as any window
// with text does.
//   corvell-bench-floor [hello]

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "bench/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe;
    QApplication::setApplicationName(QStringLiteral("Floor"));
    QApplication::setQuitOnLastWindowClosed(false);

    if (argc > 1 && std::strcmp(argv[1], "hello") == 0) {
        QLabel hello(QStringLiteral("Hello world!"));
        hello.show();
        return QApplication::exec();
    }
    QWidget window;
    window.show();
    return QApplication::exec();
}
