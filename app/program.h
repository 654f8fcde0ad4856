#pragma once
// The program's parts for one run: the one claim whose models every
// calculator window shows and drives, the claim's commands, and the windows,
// each made on first use with its model from the claim. main() (through
// runProgram), the tests and the benchmarks put the program together here
// alike; each gives its own dialogs, settings, clock and way to quit.

#include <QString>
#include <functional>

#include "claim/claim.h"
#include "claim/ui/claimcontroller.h"
#include "shell/clock.h"
#include "shell/ui/windowmanager.h"

class QSettings;

namespace corvell::app {

struct Program {
    // `settings` keeps the recent claims; `quit` ends the program.
    Program(ui::Dialogs& dialogs, QSettings& settings, Clock clock, std::function<void()> quit);

    // Shows the main menu, then opens the claim file given, if any.
    void start(const QString& claimFile = QString());

    Claim claim;
    ui::ClaimController claims;
    ui::WindowManager windows;
};

}  // namespace corvell::app
