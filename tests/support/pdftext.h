#pragma once
// Renders a report to a PDF file, the way the printer would receive it, and
// reads its text back with pdftotext.

#include <QString>
#include <QStringList>

#include "shell/report.h"

namespace corvell::test {

struct PdfResult {
    bool rendered = false;
    int pages = 0;
    QString text;  // pdftotext -layout output, pages separated by form feeds
};

PdfResult renderToPdf(const report::Document& document);

// The non-empty lines of the PDF's text, trailing blanks removed.
QStringList pdfLines(const report::Document& document);

}  // namespace corvell::test
