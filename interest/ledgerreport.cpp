#include "interest/ledgerreport.h"

#include "interest/ledgerlines.h"

namespace corvell {

report::Document buildLedgerReport(const Ledger& ledger, const LedgerTotals& totals,
                                   const std::string& caseCaption, const LocalTime& now) {
    using report::text;
    using report::zone;
    report::Document doc;
    doc.font("Courier New").bold(true).orientation(report::Orientation::Landscape);
    doc.size(16);
    doc.line({zone(), zone(), text(std::string(kLedgerReportTitle))});
    doc.line(report::dateTimeItems(now));
    doc.line({zone(), text(caseCaption)});
    doc.size(10);
    doc.line();
    // Every later page opens with the title and caption again, marked as
    // continued, so that a loose page still tells whose ledger it is.
    doc.openContinuedHeading();
    doc.size(16);
    doc.line({zone(), zone(), text(std::string(kLedgerReportTitle))});
    doc.line({zone(), text(caseCaption + " (continued)")});
    doc.size(10);
    doc.line();
    doc.closeContinuedHeading();
    // The header, the entries and the totals keep their columns whole on any
    // paper, and every page after the first starts with the header again.
    // A figure too wide for its column widens it on every line.
    const LedgerLines entries = reportLines(ledger);
    doc.openFittedTable();
    doc.openHeadings();
    doc.underline(true);
    doc.line({text(reportHeader(entries.widths))});
    doc.underline(false);
    doc.line();
    doc.closeHeadings();
    for (const std::string& line : entries.lines) {
        doc.line({text(line)});
        doc.line();
        doc.line();
    }
    doc.line({text(reportTotalsLine(totals))});
    doc.closeFittedTable();
    return doc;
}

}  // namespace corvell
