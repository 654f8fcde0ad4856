#pragma once
// The command line, read before the window system is opened, so that
// --help, --version and a mistake answer in a terminal, an ssh session or a
// script with no display at all:
//   corvells-calculator [Qt options] [FILE]

#include <QString>
#include <optional>

namespace corvell::app {

struct CommandLine {
    QString claimFile;                // the claim to open, if one was named
    std::optional<int> exitStatus{};  // set when the program ends here
};

// --help and --version print to standard output and end with 0; an unknown
// option or a second file prints what was wrong to standard error and ends
// with 1. Qt's own options (-platform, -style, ...) are passed over, for the
// QApplication made afterwards to read.
CommandLine readCommandLine(int argc, char* argv[]);

}  // namespace corvell::app
