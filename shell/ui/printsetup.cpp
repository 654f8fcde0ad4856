#include "shell/ui/printsetup.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

#include "shell/ui/reportrenderer.h"

namespace corvell::ui {
namespace {

constexpr double kHalfInchPoints = 36;

}  // namespace

void preparePrinter(QPrinter& printer, const QPageSize& paper) {
    printer.setPageSize(paper);
    keepMargins(printer);
}

void keepMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(
        std::max(kHalfInchPoints, least.left()), std::max(kHalfInchPoints, least.top()),
        std::max(kHalfInchPoints, least.right()), std::max(kHalfInchPoints, least.bottom()));
    printer.setPageMargins(margins, QPageLayout::Point);
}

bool printsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

bool printCopies(const report::Document& document, QPrinter& printer, int copies) {
    // The copies are painted here; the printer must not multiply them.
    printer.setCopyCount(1);
    if (printsToFile(printer)) {
        // Documents printed one after the other to one file would each
        // overwrite the last.
        return renderReport(document, printer, copies);
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (!renderReport(document, printer)) {
            return false;
        }
    }
    return true;
}

}  // namespace corvell::ui
