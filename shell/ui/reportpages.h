#pragma once
// The second half of laying a report out: printed lines go onto pages, each
// a list of text runs placed at their baselines, before anything is painted,
// so that every page can say how many pages there are. A page full of lines
// goes on to the next; a continued heading and a table's column headings
// start every page it continues on; every page carries the case caption and
// "Page n of N" at its foot, numbered through the whole file.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "shell/report.h"
#include "shell/ui/reportlines.h"

class QPaintDevice;

namespace corvell::ui {

struct PlacedRun {
    QPointF baseline;  // from the top left corner of the printable area
    QString text;
    QFont font;
};
using PageRuns = std::vector<PlacedRun>;

// Breaks the lines into pages whose lines take at most `bodyHeight`; there
// is always at least one page. Blank lines that a page break carries to the
// top of a page are left out.
std::vector<PageRuns> breakPages(const std::vector<PrintedLine>& lines, double bodyHeight);

// "Page n of N".
QString pageNumberText(int page, int pages);

// The printable area of the paper turned as a document asks, in the pixels
// of the device.
using PrintableArea = std::function<QSizeF(report::Orientation)>;

// The whole layout of documents printed one after the other into one file,
// each from a new page: the pages of each, numbered through all of them.
std::vector<std::vector<PageRuns>> layoutReports(std::span<const report::Document> documents,
                                                 const QPaintDevice& device,
                                                 const PrintableArea& printable);

// The same for one document on a printable area of `printable`.
std::vector<PageRuns> layoutReport(const report::Document& document, const QPaintDevice& device,
                                   QSizeF printable);

}  // namespace corvell::ui
