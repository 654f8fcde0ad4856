#include "shell/ui/reportrenderer.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "shell/ui/reportpages.h"

namespace corvell::ui {
namespace {

// The page turns before the first page starts, as the document's first
// orientation says.
QPageLayout::Orientation pageOrientation(report::Orientation orientation) {
    return orientation == report::Orientation::Landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait;
}

void orient(const report::Document& document, QPagedPaintDevice& device) {
    device.setPageOrientation(pageOrientation(document.pageOrientation()));
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

bool renderReport(const report::Document& document, QPagedPaintDevice& device, int copies) {
    orient(document, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QSizeF printable = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const std::vector<PageRuns> pages = layoutReport(document, device, printable);
    bool ok = true;
    for (int copy = 0; ok && copy < copies; ++copy) {
        for (std::size_t page = 0; ok && page < pages.size(); ++page) {
            if (copy > 0 || page > 0) {
                ok = device.newPage();
            }
            if (ok) {
                paintPage(painter, pages[page]);
            }
        }
    }
    return painter.end() && ok;
}

bool renderReports(const std::vector<report::Document>& documents, QPagedPaintDevice& device) {
    if (documents.empty()) {
        return false;
    }
    orient(documents.front(), device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const PrintableArea printable = [&device](report::Orientation orientation) {
        QPageLayout layout = device.pageLayout();
        layout.setOrientation(pageOrientation(orientation));
        return layout.paintRectPixels(device.logicalDpiX()).size();
    };
    const std::vector<std::vector<PageRuns>> laidOut = layoutReports(documents, device, printable);
    bool ok = true;
    for (std::size_t i = 0; ok && i < documents.size(); ++i) {
        if (i > 0) {
            // A new orientation applies from the next page on.
            orient(documents[i], device);
            ok = device.newPage();
        }
        for (std::size_t page = 0; ok && page < laidOut[i].size(); ++page) {
            if (page > 0) {
                ok = device.newPage();
            }
            if (ok) {
                paintPage(painter, laidOut[i][page]);
            }
        }
    }
    return painter.end() && ok;
}

}  // namespace corvell::ui
