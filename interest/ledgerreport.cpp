#include "interest/ledgerreport.h"

#include "interest/ledgerlines.h"

namespace corvell {

report::Document BuildLedgerReport(const Ledger& ledger, const LedgerTotals& totals,
                                   const std::string& caseCaption, const LocalTime& now) {
    using report::text;
    using report::zone;
    report::Document doc;
    doc.font("Courier New").bold(true).orientation(report::Orientation::Landscape);
    doc.size(16);
    doc.line({zone(), zone(), text("Interest Calculation")});
    doc.line(report::dateTimeItems(now));
    doc.line({zone(), text(caseCaption)});
    doc.size(10);
    doc.line();
    doc.underline(true);
    doc.line({text(std::string(kReportHeader))});
    doc.underline(false);
    doc.line();
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        doc.line({text(ReportEntryLine(ledger.entry(i)))});
        doc.line();
        doc.line();
    }
    doc.line({text(ReportTotalsLine(totals))});
    return doc;
}

}  // namespace corvell
