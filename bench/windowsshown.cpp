// Starts as the program does (through the same app::runProgram as
// app/main.cpp, so a claim file named on the command line is opened before
// the first paint), then, once the main menu is painted, clicks its seven
// buttons, and ends when every calculator window has been painted too: what
// opening a claim costs shows in all its windows, not in the menu alone.
//   corvell-bench-windows [CLAIM]

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "app/commandline.h"
#include "app/startup.h"
#include "bench/firstpaint.h"
#include "shell/beginformcontrols.h"
#include "shell/navigation.h"

namespace {

using namespace corvell;

// The main menu's buttons, one for each calculator window.
constexpr ControlName kMenuButtons[] = {
    beginform::cmdCompensationAndInterest,
    beginform::cmdPresentValue,
    beginform::cmdSocialSecurity,
    beginform::cmdOffset,
    beginform::Command1,
    beginform::Command2,
    beginform::cmdPension,
};
static_assert(std::size(kMenuButtons) == std::size(kCalculators));

void showEveryCalculator(QWidget& menu) {
    for (const ControlName name : kMenuButtons) {
        auto* button = menu.findChild<QAbstractButton*>(
            QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size())));
        if (button == nullptr) {
            std::fprintf(stderr, "the main menu has no button %s\n", name.name().data());
            std::_Exit(1);
        }
        button->click();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const corvell::app::CommandLine line = corvell::app::readCommandLine(argc, argv);
    if (line.exitStatus) {
        return *line.exitStatus;
    }
    QApplication app(argc, argv);
    corvell::bench::FirstPaintProbe probe(1 + static_cast<int>(std::size(kMenuButtons)),
                                          showEveryCalculator);
    // A message box (a refused file, changed figures) would wait for an
    // answer no one gives: end instead of hanging the benchmark.
    QTimer::singleShot(30'000, &app, [] {
        std::fprintf(stderr, "not every window was painted within 30 s\n");
        std::_Exit(2);
    });
    return corvell::app::runProgram(line.claimFile);
}
