#pragma once
// The ledger as lines of fixed-pitch text: the panel under the fields and
// the printed report share the same right-aligned columns. The panel
// re-formats the stored texts (two-digit years, 0.50 for .50); the report
// prints them as stored. No figure ever loses a digit: a ledger whose value
// fills or overflows a column widens that column on every line of the panel
// or of the report, its headings included.

#include <array>
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
    bool operator==(const ColumnWidths&) const = default;
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

// The panel's lines kept up to date as entries are written: each entry's
// figures are formatted once, when it is written, and the other lines are
// laid out again only when a column's width changes. Always the same lines
// as panelLines of the ledger.
class PanelLines {
public:
    // Every line again, from the whole ledger (a new or reopened ledger).
    void reset(const Ledger& ledger);
    // Entry n (1 for the first) was just written, or appended. True when
    // every line was laid out again (a column's width changed); otherwise
    // only line n changed.
    bool entryWritten(const Ledger& ledger, int n);

    const LedgerLines& lines() const { return lines_; }

private:
    struct Row {
        std::string dates;
        std::array<std::string, 9> amounts;  // as the columns show them
        std::array<int, 9> lengths;          // of what each shows
    };
    void layOut(std::size_t row);

    std::vector<Row> rows_;
    LedgerLines lines_{ColumnWidth, {}};
};

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
// The panel line of an entry in the widths of a whole panel.
std::string panelLine(const LedgerEntry& entry, const ColumnWidths& widths);

// The totals line under the panel.
std::string panelTotalsLine(const LedgerTotals& totals);

// How a screen reader reads the panel: an entry's line with each column's
// name before its figure ("Entry 3: Begin 01/01/2005, End 01/14/2005, ...,
// Net Total 1,710.59"), and the totals line with a dollar sign before every
// total.
std::string spokenEntryLine(const LedgerEntry& entry, int n);
std::string spokenTotalsLine(const LedgerTotals& totals);

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
