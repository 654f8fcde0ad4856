#pragma once
// The program once its command line is read and its QApplication exists:
// shows the main menu, opens the claim file named on the command line, if
// any, and runs the event loop until the main menu's Close ends it. main()
// and the start-up benchmarks both start through here, so they start alike.

#include <QString>

namespace corvell::app {

// The exit status of the event loop.
int runProgram(const QString& claimFile);

}  // namespace corvell::app
