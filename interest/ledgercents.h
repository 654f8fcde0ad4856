#pragma once
// Why a ledger's printed columns need not add up to its totals: each line
// shows its amounts rounded to cents on their own, while each total adds the
// entries' unrounded amounts and is rounded once. For each total, the sum of
// the lines as printed, the total, and the cents between them.

#include <string>
#include <string_view>
#include <vector>

#include "interest/ledger.h"

namespace corvell {

struct ColumnCents {
    std::string_view name;        // "Payments", "Accrued", ...
    std::vector<double> printed;  // each line's amount as printed, in cents
    std::vector<double> amounts;  // each entry's amount, unrounded
    double printedSum = 0;        // what the printed column adds up to
    double total = 0;             // the total of the unrounded amounts
    double shownTotal = 0;        // the total as the totals line shows it
    double difference = 0;        // the total as shown less the printed sum
};

// Payments, Accrued, Simple, Comp, Amount and Net, in the totals line's order.
std::vector<ColumnCents> ledgerCents(const Ledger& ledger, const LedgerTotals& totals);

inline constexpr std::string_view kWhyCentsDiffer =
    "Each line shows its amounts rounded to cents on their own; each total adds the entries' "
    "unrounded amounts and is rounded once. The ledger report and the panel print these "
    "totals, since they are what the entries add up to; a column of printed lines may add up "
    "to a few cents more or less.";

}  // namespace corvell
