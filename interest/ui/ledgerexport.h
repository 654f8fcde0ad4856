#pragma once
// The ledger for spreadsheets: as a CSV file, and as tab-separated rows on
// the clipboard. Both hold the ledger and the totals of the last Save.

class QWidget;

namespace corvell {
class InterestModel;
}

namespace corvell::ui {

struct Services;

// Export Ledger as CSV...: proposes "Interest Calculation - <first line of the
// case caption> - <date>.csv" in the Documents folder, as a report's PDF.
void exportLedgerCsv(QWidget& window, const InterestModel& model, const Services& services);

// Copy Ledger.
void copyLedger(const InterestModel& model);

}  // namespace corvell::ui
