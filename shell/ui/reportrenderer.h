#pragma once
// Paints a report on a printer: the document is laid out into pages first
// (lines, zones, wrapping, fitted tables, repeated headings and page
// numbers), then each page is painted, once per copy.

#include "shell/report.h"

class QPrinter;

namespace corvell::ui {

// Paints `copies` copies one after the other into one printer document,
// each numbered on its own. False when the printer could not start,
// continue or finish the document.
bool renderReport(const report::Document& document, QPrinter& printer, int copies = 1);

}  // namespace corvell::ui
