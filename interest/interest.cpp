#include "interest/interest.h"

#include <algorithm>

namespace corvell {

double accruedInterest(double weeks, double compRate) {
    return weeks * (weeks + 1) * WeeklyInterestRate / 2 * compRate;
}

PriorBalance SumPriorBalance(const Ledger& ledger, int priorEntry) {
    PriorBalance prior;
    const int last = std::min(priorEntry, ledger.EntryCount());
    if (last < 1) {
        return prior;
    }
    const LedgerEntry& latest = ledger.entry(last);
    prior.balanceDate = latest.hasPaymentDate()
                            ? CDate(latest.PayDateText).value_or(latest.EndDateValue)
                            : latest.EndDateValue;
    for (int i = 1; i <= last; ++i) {
        const LedgerEntry& e = ledger.entry(i);
        prior.balance =
            e.CompAmount + prior.balance + e.SimpleAmount + e.AccruedAmount - e.PayAmount;
    }
    return prior;
}

InterestFigures calculateInterest(const InterestInput& in, const Ledger& ledger) {
    InterestFigures f;
    f.SimpleDays = static_cast<double>(DateDiff(in.EndDate, in.PaymentDate));
    f.AccruedInterest = accruedInterest(in.Weeks, in.CompRate);
    f.PriorEntry = in.CurrentEntry - 1;
    if (in.CurrentEntry > 1) {
        f.prior = SumPriorBalance(ledger, f.PriorEntry);
        // A balance that ran from after this payment date bears no interest
        // here: interest never runs backwards.
        if (f.prior.balance > 0 && f.prior.balanceDate <= in.PaymentDate) {
            f.PriorDays = static_cast<double>(DateDiff(f.prior.balanceDate, in.PaymentDate));
            f.SimpleInterest = f.prior.balance * DailyInterestRate * f.PriorDays;
        }
    }
    f.SimpleInterest =
        f.SimpleInterest + (f.AccruedInterest + in.TotalComp) * DailyInterestRate * f.SimpleDays;
    if (!(f.SimpleInterest > 0)) {
        f.SimpleDays = 0;
        f.SimpleInterest = 0;
    }
    f.TotalAmount = f.SimpleInterest + (f.AccruedInterest + in.TotalComp);
    return f;
}

}  // namespace corvell
