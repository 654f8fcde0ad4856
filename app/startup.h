#pragma once
// The program once its QApplication exists: shows the main menu, opens the
// claim file named on the command line (corvells-calculator [FILE]) and runs
// the event loop until the main menu's Close ends it. main() and the start-up
// benchmark both start through here, so they start alike.

namespace corvell::app {

// The exit status of the event loop.
int runProgram();

}  // namespace corvell::app
