#pragma once
// The ledger as lines of fixed-pitch text: the panel under the fields and
// the printed report share the same right-aligned columns. The panel
// re-formats the stored texts (two-digit years, 0.50 for .50); the report
// prints them as stored. No figure ever loses a digit: a ledger whose value
// fills or overflows a column widens that column on every line of the panel
// or of the report, its headings included.

#include <string>
#include <string_view>
#include <vector>

#include "interest/ledger.h"

namespace corvell {

// Widths in characters of the right-aligned columns, as the lines were drawn.
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

// The value without surrounding blanks, right-aligned in `width` characters;
// a value that reads as zero shows as "0". A value longer than the width is
// kept whole.
std::string PadColumn(std::string_view value, int width);

// One view of the whole ledger, the panel or the report: the widths its
// widest figures need, and the line of each entry (entry 1 first) in those
// widths. A column whose widest value fills it or is longer becomes one
// character wider than that value, so that a blank stands before every value;
// the others keep their written width. The panel re-formats the amounts and
// the report does not, so the two may need different widths.
struct LedgerLines {
    ColumnWidths widths;
    std::vector<std::string> lines;
};
LedgerLines panelLines(const Ledger& ledger);
LedgerLines reportLines(const Ledger& ledger);

// The column headings over the panel at the written widths, and at wider
// ones: a widened column's name moves right by as many blanks as the column
// grew, and the names after it with it.
inline constexpr std::string_view kPanelHeading =
    "Begin           End            Pay       Pay Amt.   Weeks Days     Rate         Comp    "
    "Accrued      Simple           Total     Net Total";
std::string panelHeading(const ColumnWidths& widths);

// The panel line of an entry on its own, its columns widened for it alone:
// 120 characters at the written widths, two more when the entry has no
// payment date.
std::string BuildPanelLine(const LedgerEntry& entry);

// The totals line under the panel.
std::string panelTotalsLine(const LedgerTotals& totals);

// The report's column header, 123 characters at the written widths, and at
// wider ones, as long as the entry lines in those widths.
inline constexpr std::string_view kReportHeader =
    "     Begin       End      Pay        Pay Amt. Weeks Days       Rate        Comp  Accrued     "
    "Simple       Total   Net Total";
std::string reportHeader(const ColumnWidths& widths);

// The report line of an entry on its own, its columns widened for it alone.
std::string reportEntryLine(const LedgerEntry& entry);

std::string reportTotalsLine(const LedgerTotals& totals);

}  // namespace corvell
