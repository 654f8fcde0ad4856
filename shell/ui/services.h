#pragma once
// What every window is given when it is created: the dialogs seam, the
// navigator that shows and hides windows, the clock for report headings, and
// the claim whose models the windows show.

#include "shell/clock.h"
#include "shell/navigation.h"
#include "shell/ui/claimcommands.h"

namespace corvell::ui {

class Dialogs;

class Navigator {
public:
    virtual ~Navigator() = default;
    // Creates the window on first use, shows it and brings it to the front.
    virtual void show(WindowId id) = 0;
    // Hides the window; its contents stay as they are.
    virtual void hide(WindowId id) = 0;
    // Closes every window without asking and ends the program.
    virtual void endProcess() = 0;
};

struct Services {
    Dialogs& dialogs;
    Navigator& navigator;
    Clock clock;
    ClaimCommands& claims;

    // Ends the program as the main menu's Close does, first asking in
    // `window` about the claim's unsaved changes. False when the operator
    // chose to stay.
    bool endProgram(QWidget& window) const {
        if (!claims.mayEndProgram(window)) {
            return false;
        }
        navigator.endProcess();
        return true;
    }
};

}  // namespace corvell::ui
