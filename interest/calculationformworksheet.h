#pragma once
// The worksheets of the compensation-and-interest window: one for the
// figures the window shows (its last Calculate, or the entry recalled), and
// one for the printed ledger: each saved entry as its Calculate worked it
// out, then how the totals add up.

#include <vector>

#include "interest/calculationrecord.h"
#include "interest/ledger.h"
#include "shell/worksheet.h"

namespace corvell {

Worksheet calculationWorksheet(const CalculationLog<CalculationRecord>& log);

// `records` holds the record of each saved entry, entry 1 first.
Worksheet ledgerWorksheet(const Ledger& ledger, const std::vector<CalculationRecord>& records,
                          const LedgerTotals& totals);

}  // namespace corvell
