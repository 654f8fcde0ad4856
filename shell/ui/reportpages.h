#pragma once
// The second half of laying a report out: printed lines go onto pages, each
// a list of text runs placed at their baselines, before anything is painted,
// so that every page can say how many pages there are. A page full of lines
// goes on to the next; a table's column headings start every page it
// continues on; a document of several pages numbers them at the bottom.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
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

// "Page n of N", shown on each page of a document of more than one page.
QString pageNumberText(int page, int pages);

// The whole layout of a document on a printable area of `printable`, in the
// pixels of `device`: its pages with the page numbers under the lines.
std::vector<PageRuns> layoutReport(const report::Document& document, const QPaintDevice& device,
                                   QSizeF printable);

}  // namespace corvell::ui
