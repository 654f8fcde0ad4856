#pragma once
// How the program sets up the printer and sends it copies: the paper of the
// operator's locale, margins a real printer can print, and copies that land
// in one file when the printer is a PDF file.

#include <QLocale>
#include <QPageSize>

#include "shell/report.h"

class QPrinter;

namespace corvell::ui {

// Letter where the locale measures in US units or is the United States, A4
// elsewhere.
QPageSize::PageSizeId localePaper(const QLocale& locale = QLocale());

// For a new printer: the paper of the current locale and the margins of
// keepMargins. The operator may choose another paper in the printer dialog.
void preparePrinter(QPrinter& printer);

// Half an inch on every side, or the printer's own minimum where larger.
void keepMargins(QPrinter& printer);

// True when the printer writes a file rather than paper.
bool printsToFile(const QPrinter& printer);

// Prints the copies of a document: into a file as one document holding the
// copies in order, on paper as one document per copy. False when the printer
// failed; later copies are then not printed.
bool printCopies(const report::Document& document, QPrinter& printer, int copies);

}  // namespace corvell::ui
