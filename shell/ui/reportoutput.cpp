#include "shell/ui/reportoutput.h"

#include <QDir>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/pdffile.h"
#include "shell/ui/printsetup.h"

namespace corvell::ui {
namespace {

// Tells the operator what became of a report sent to the printer, unless it
// simply printed.
void tell(const PrintOutcome& outcome, QWidget& window, const Services& services) {
    if (const std::optional<std::string> message = printOutcomeMessage(outcome)) {
        services.dialogs.showMessage(&window, QString::fromStdString(*message), applicationTitle());
    }
}

QString proposedFile(const PrintJob& job, const Services& services) {
    return proposedReportPath(job.title, job.caseCaption, services.clock());
}

// The report is made here only to read its orientation: the one printed,
// drawn or written is made at that moment.
PrintRequest requestFor(const PrintJob& job, WindowId id, const Services& services) {
    return {id, job.make(services.clock()).pageOrientation(), proposedFile(job, services)};
}

void print(const PrintJob& job, QWidget& window, WindowId id, const Services& services) {
    const std::optional<int> copies =
        services.dialogs.choosePrinter(&window, requestFor(job, id, services));
    if (!copies) {
        return;  // cancelled: nothing printed, nothing changed
    }
    const int documents = job.copiesApply ? std::max(1, *copies) : 1;
    // Made now, after the dialog: every copy shows the moment it was made.
    tell(services.dialogs.print(id, job.make(services.clock()), documents), window, services);
}

void preview(const PrintJob& job, QWidget& window, WindowId id, const Services& services) {
    const auto paint = [&job, &window, &services](QPrinter& printer) {
        // The preview shows one copy; printing from it asks for copies anew.
        const int copies = job.copiesApply ? std::max(1, printer.copyCount()) : 1;
        keepMargins(printer);
        if (!printCopies(job.make(services.clock()), printer, copies)) {
            tell(PrintOutcome::failed(), window, services);
            return false;
        }
        return true;
    };
    if (const std::optional<PrintOutcome> printed =
            services.dialogs.showPreview(&window, requestFor(job, id, services), paint)) {
        tell(*printed, window, services);
    }
}

// The worksheet's file is named after the report's title with " Worksheet".
void exportPdf(const PrintJob& job, QWidget& window, WindowId id, const Services& services,
               bool withWorksheet) {
    const std::optional<Worksheet> worksheet =
        withWorksheet ? job.worksheet() : std::optional<Worksheet>();
    withWorksheet = worksheet.has_value();
    const QString proposed = withWorksheet ? proposedReportPath(job.title + " Worksheet",
                                                                job.caseCaption, services.clock())
                                           : proposedFile(job, services);
    const std::optional<QString> path = services.dialogs.chooseSaveFile(
        &window, id,
        withWorksheet ? QStringLiteral("Export Worksheet PDF") : QStringLiteral("Export PDF"),
        proposed, QStringLiteral("PDF files (*.pdf)"));
    if (!path) {
        return;
    }
    // Made now, after the dialog, as a printed report is.
    const LocalTime now = services.clock();
    std::vector<report::Document> documents{job.make(now)};
    if (withWorksheet) {
        documents.push_back(worksheet->document(job.caseCaption, now));
    }
    // The file is titled by the name proposed for it, whatever it is saved as.
    const QString title = fileTitle(proposed);
    if (const std::optional<QString> failure =
            writePdf(documents, services.dialogs.pageLayout(id), *path, title)) {
        services.dialogs.showMessage(&window,
                                     QStringLiteral("Could not save the report as %1: %2.")
                                         .arg(QDir::toNativeSeparators(*path), *failure),
                                     applicationTitle());
    }
}

}  // namespace

void sendReport(const PrintJob& job, PrintRoute route, QWidget& window, WindowId id,
                const Services& services) {
    switch (route) {
        case PrintRoute::Printer:
            print(job, window, id, services);
            return;
        case PrintRoute::Preview:
            preview(job, window, id, services);
            return;
        case PrintRoute::PdfFile:
            exportPdf(job, window, id, services, false);
            return;
        case PrintRoute::PdfFileWithWorksheet:
            exportPdf(job, window, id, services, true);
            return;
    }
}

}  // namespace corvell::ui
