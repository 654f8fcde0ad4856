#pragma once
// Printing on a printer's queue with the print system (CUPS) asked what
// QPrinter does not tell: whether the queue takes jobs before the report is
// drawn for it, and afterwards whether it took the job and whether the
// printer is paused. A printer that writes a file is not asked.

#include "shell/printoutcome.h"
#include "shell/report.h"

class QPrinter;

namespace corvell::ui {

// Prints the copies as printCopies does; a queue that refuses jobs gets none.
PrintOutcome printOnQueue(const report::Document& document, QPrinter& printer, int copies);

// What became of the jobs just sent to the printer by someone else (the print
// preview's Print).
PrintOutcome outcomeOfJobsSent(const QPrinter& printer);

}  // namespace corvell::ui
