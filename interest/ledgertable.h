#pragma once
// The ledger as a table for spreadsheets: one row per entry (begin, end,
// payment date, payment, weeks, days, rate, compensation, accrued, simple,
// total, net) under a row of headings, then a totals row, the rows added up,
// the cents between the two, and a sentence saying why they may differ. Numbers carry two
// decimals and no grouping, dates are mm/dd/yyyy, a missing payment date is
// empty, so a spreadsheet reads every figure as a number.

#include <string>

#include "interest/ledger.h"

namespace corvell {

// Comma-separated values as RFC 4180 has them: fields holding a comma, a
// quote or a line break are quoted, quotes doubled, lines end in CR LF.
std::string ledgerCsv(const Ledger& ledger, const LedgerTotals& totals);

// The same rows with tabs between the fields, for the clipboard.
std::string ledgerTabbed(const Ledger& ledger, const LedgerTotals& totals);

}  // namespace corvell
