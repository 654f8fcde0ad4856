#pragma once
// Where a report goes once a window's Print handler has asked for it: to the
// printer after the printer dialog, into the print preview, or straight into
// a PDF file the operator names. The report is made at the moment it is
// printed, drawn or written, so that its heading shows that moment; it reads
// what the window held when the command was given.

#include "shell/reaction.h"
#include "shell/ui/services.h"

class QWidget;

namespace corvell::ui {

enum class PrintRoute {
    Printer,  // the printer dialog, then the printer
    Preview,  // the print preview, from which the operator may print
    PdfFile,  // a file dialog, then one copy written to that PDF file
    // A file dialog, then one copy followed by the report's worksheet, from
    // a new page, written to that PDF file.
    PdfFileWithWorksheet,
};

void sendReport(const PrintJob& job, PrintRoute route, QWidget& window, WindowId id,
                const Services& services);

}  // namespace corvell::ui
