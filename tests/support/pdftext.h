#pragma once
// Renders a report to a PDF file, the way the printer would receive it, and
// reads its text back with pdftotext.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "shell/report.h"

namespace corvell::test {

// A word of the PDF with the page it is on and its left and top edge in points.
struct PdfWord {
    QString text;
    int page = 0;
    double x = 0;
    double y = 0;
    double width = 0;
};

struct PdfResult {
    bool rendered = false;
    int pages = 0;
    bool landscape = false;  // the first page is wider than it is high
    QString text;            // pdftotext -layout output, pages separated by form feeds
    QList<PdfWord> words;
};

PdfResult renderToPdf(const report::Document& document);

// The non-empty lines of the PDF's text, trailing blanks removed.
QStringList pdfLines(const report::Document& document);

// The non-empty lines with their runs of blanks folded to one: a PDF's text
// keeps the words of a line but not the exact spacing between them.
QStringList simplifiedLines(const QStringList& lines);
QStringList simplifiedLines(const std::vector<std::string>& lines);

}  // namespace corvell::test
