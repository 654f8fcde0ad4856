#pragma once
// The ledger as lines of fixed-pitch text: the panel under the fields and
// the printed report share the same right-aligned columns. The panel
// re-formats the stored texts (two-digit years, 0.50 for .50); the report
// prints them as stored.

#include <string>
#include <string_view>

#include "interest/ledger.h"

namespace corvell {

// Widths in characters of the right-aligned columns.
struct ColumnWidths {
    int payAmount = 12;
    int weeks = 6;
    int days = 6;
    int rate = 10;
    int comp = 12;
    int accrued = 10;
    int simple = 10;
    int total = 12;
    int netTotal = 12;
};
inline constexpr ColumnWidths ColumnWidth{};

// The value without surrounding blanks, right-aligned in `width` characters
// (at most 19); a value that reads as zero shows as "0", and one too long
// for its column loses its leftmost characters.
std::string PadColumn(std::string_view value, int width);

// The panel line of one entry: 120 characters, two more when the entry has
// no payment date.
std::string BuildPanelLine(const LedgerEntry& entry);

// The totals line under the panel.
std::string panelTotalsLine(const LedgerTotals& totals);

// The report's column header (123 characters) and lines.
inline constexpr std::string_view kReportHeader =
    "     Begin       End      Pay        Pay Amt. Weeks Days       Rate        Comp  Accrued     "
    "Simple       Total   Net Total";
std::string reportEntryLine(const LedgerEntry& entry);
std::string reportTotalsLine(const LedgerTotals& totals);

}  // namespace corvell
