#include "shell/ui/reportrenderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "shell/ui/reportpages.h"

namespace corvell::ui {
namespace {

// The page turns before the first page starts, as the document's first
// orientation says.
void orient(const report::Document& document, QPrinter& printer) {
    for (const report::Statement& statement : document.statements()) {
        if (const auto* o = std::get_if<report::SetOrientation>(&statement)) {
            printer.setPageOrientation(o->orientation == report::Orientation::Landscape
                                           ? QPageLayout::Landscape
                                           : QPageLayout::Portrait);
            return;
        }
    }
}

void paintPage(QPainter& painter, const PageRuns& page) {
    for (const PlacedRun& run : page) {
        if (painter.font() != run.font) {
            painter.setFont(run.font);
        }
        painter.drawText(run.baseline, run.text);
    }
}

}  // namespace

bool renderReport(const report::Document& document, QPrinter& printer, int copies) {
    orient(document, printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const std::vector<PageRuns> pages = layoutReport(document, printer, printable);
    bool ok = true;
    for (int copy = 0; ok && copy < copies; ++copy) {
        for (std::size_t page = 0; ok && page < pages.size(); ++page) {
            if (copy > 0 || page > 0) {
                ok = printer.newPage();
            }
            if (ok) {
                paintPage(painter, pages[page]);
            }
        }
    }
    return painter.end() && ok;
}

}  // namespace corvell::ui
