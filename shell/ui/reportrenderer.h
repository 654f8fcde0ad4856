#pragma once
// Paints a report on a printer: fonts and sizes as the document sets them,
// items placed in print zones of 14 average character widths of the current
// font, a new page when the current one is full.

#include "shell/report.h"

class QPrinter;

namespace corvell::ui {

// False when the printer could not start, continue or finish the document.
bool renderReport(const report::Document& document, QPrinter& printer);

}  // namespace corvell::ui
