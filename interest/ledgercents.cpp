#include "interest/ledgercents.h"

#include <cmath>

#include "shell/format.h"
#include "shell/values.h"

namespace corvell {
namespace {

// An amount as a line prints it, to the cent.
double toCents(double amount) {
    return CDbl(Format(amount, "0.00")).value_or(0);
}

double inCents(double amount) {
    // Past 1e15 a double holds no cents to round, and amount x 100 may overflow.
    if (std::fabs(amount) >= 1e15)
        return amount;
    return std::round(amount * 100) / 100;
}

}  // namespace

std::vector<ColumnCents> ledgerCents(const Ledger& ledger, const LedgerTotals& totals) {
    struct Column {
        std::string_view name;
        double (*amount)(const LedgerEntry&);
        double total;
    };
    const Column columns[] = {
        {"Payments", [](const LedgerEntry& e) { return e.PayAmount; }, totals.PaymentsTotal},
        {"Accrued", [](const LedgerEntry& e) { return e.AccruedAmount; }, totals.AccruedTotal},
        {"Simple", [](const LedgerEntry& e) { return e.SimpleAmount; }, totals.SimpleTotal},
        {"Comp", [](const LedgerEntry& e) { return e.CompAmount; }, totals.CompTotal},
        {"Amount", [](const LedgerEntry& e) { return e.TotalAmountValue; }, totals.AmountTotal},
        {"Net", [](const LedgerEntry& e) { return e.TotalAmountValue - e.PayAmount; },
         totals.NetTotal},
    };
    std::vector<ColumnCents> cents;
    for (const Column& column : columns) {
        ColumnCents c{column.name, {}, {}, 0, column.total, toCents(column.total), 0};
        for (int i = 1; i <= ledger.EntryCount(); ++i) {
            const double amount = column.amount(ledger.entry(i));
            c.amounts.push_back(amount);
            c.printed.push_back(toCents(amount));
            c.printedSum += c.printed.back();
        }
        // Amounts in whole cents add up to whole cents: keep them so.
        c.printedSum = inCents(c.printedSum);
        c.difference = inCents(c.shownTotal - c.printedSum);
        cents.push_back(std::move(c));
    }
    return cents;
}

}  // namespace corvell
