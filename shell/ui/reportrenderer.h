#pragma once
// Paints a report on a printer or into a PDF file: the document is laid out
// into pages first (lines, zones, wrapping, fitted tables, repeated headings,
// the caption and page number at each foot), then each page is painted, once
// per copy.

#include <vector>

#include "shell/report.h"

class QPagedPaintDevice;

namespace corvell::ui {

// Paints `copies` copies one after the other into one document on the
// device (a printer, a PDF writer), each numbered on its own. False when the
// device could not start, continue or finish the document.
bool renderReport(const report::Document& document, QPagedPaintDevice& device, int copies = 1);

// Paints the documents one after the other into one document on the device,
// each from a new page turned as it asks, the pages numbered through them
// all. False as above, or when there is no document.
bool renderReports(const std::vector<report::Document>& documents, QPagedPaintDevice& device);

}  // namespace corvell::ui
