#pragma once
// Renders a report to a PDF file, the way the printer would receive it, and
// reads its text back with pdftotext.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "shell/report.h"
#include "shell/ui/printsetup.h"

namespace corvell::test {

// A word of the PDF with the page it is on (from 1), its left and top edge
// and its width in points.
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
    double pageWidth = 0;    // of the first page, in points
    double pageHeight = 0;
    QList<bool> pagesLandscape;  // of each page, wider than it is high
    QString title;               // the document's Title, as pdfinfo reads it
    QString text;                // pdftotext -layout output, pages separated by form feeds
    QList<PdfWord> words;
};

// Prints the copies into one PDF file on a printer set up as the program
// sets up its own, on the paper given.
PdfResult renderToPdf(const report::Document& document, int copies = 1,
                      const QPageSize& paper = ui::defaultPaper());

// Reads a PDF file back: its pages, paper, text and words.
PdfResult readPdf(const QString& path);

// The lines of a fixed-pitch table as a fixed-pitch printer lays them out,
// rebuilt character for character from the positions of the PDF's words.
// The pitch and the left margin are those of the first word `anchor`, which
// must start at the left margin; words of another pitch (a title block in a
// larger size, page numbers) are left out.
QStringList fixedPitchLines(const PdfResult& pdf, const QString& anchor);

// The non-empty lines of a PDF's text, trailing blanks removed, without the
// foot of each page (its case caption and page number).
QStringList bodyLines(const QString& text);
// The foot of each page, its runs of blanks folded to one; empty for a page
// without one.
QStringList pageFeet(const QString& text);
// The body lines of the document as the printer prints it.
QStringList pdfLines(const report::Document& document);

// The non-empty lines with their runs of blanks folded to one: a PDF's text
// keeps the words of a line but not the exact spacing between them.
QStringList simplifiedLines(const QStringList& lines);
QStringList simplifiedLines(const std::vector<std::string>& lines);

}  // namespace corvell::test
