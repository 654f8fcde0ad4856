#pragma once
// How the program sets up the printer and sends it copies: US Letter unless
// the operator chose other paper, margins a real printer can print, and
// copies that land in one file when the printer is a PDF file.

#include <QPageSize>

#include "shell/report.h"

class QPrinter;

namespace corvell::ui {

// The paper a printer starts on: US Letter, whatever the system's language
// (Qt would follow it).
inline QPageSize defaultPaper() {
    return QPageSize(QPageSize::Letter);
}

// For a new printer: the paper and the margins of keepMargins. The operator
// may choose other paper in the printer dialog.
void preparePrinter(QPrinter& printer, const QPageSize& paper = defaultPaper());

// Half an inch on every side, or the printer's own minimum where larger.
void keepMargins(QPrinter& printer);

// True when the printer writes a file rather than paper.
bool printsToFile(const QPrinter& printer);

// Prints the copies of a document: into a file as one document holding the
// copies in order, on paper as one document per copy. False when the printer
// failed; later copies are then not printed.
bool printCopies(const report::Document& document, QPrinter& printer, int copies);

}  // namespace corvell::ui
