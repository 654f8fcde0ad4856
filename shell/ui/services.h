#pragma once
// What every window is given when it is created: the dialogs seam, the
// navigator that shows and hides windows, the clock for report headings, and
// the claim whose models the windows show.

#include "shell/clock.h"
#include "shell/navigation.h"

namespace corvell::ui {

class ClaimCommands;
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
};

}  // namespace corvell::ui
