#include "interest/interest.h"

#include <algorithm>

namespace corvell {

double accruedInterest(double weeks, double compRate) {
    return weeks * (weeks + 1) * WeeklyInterestRate / 2 * compRate;
}

PriorBalance SumPriorBalance(const Ledger& ledger, int priorEntry) {
    const int last = std::min(priorEntry, ledger.EntryCount());
    if (last < 1) {
        return PriorBalance{};
    }
    const LedgerEntry& latest = ledger.entry(last);
    const std::optional<Date> paid =
        latest.hasPaymentDate() ? CDate(latest.PayDateText) : std::nullopt;
    std::vector<PriorEntryAmounts> entries;
    for (int i = 1; i <= last; ++i) {
        const LedgerEntry& e = ledger.entry(i);
        entries.push_back({e.CompAmount, e.SimpleAmount, e.AccruedAmount, e.PayAmount, 0});
    }
    return priorBalanceOf(std::move(entries), paid.value_or(latest.EndDateValue), paid.has_value());
}

PriorBalance priorBalanceOf(std::vector<PriorEntryAmounts> entries, Date balanceDate,
                            bool fromPaymentDate) {
    PriorBalance prior;
    prior.balanceDate = balanceDate;
    prior.fromPaymentDate = fromPaymentDate;
    for (PriorEntryAmounts& e : entries) {
        prior.balance =
            e.CompAmount + prior.balance + e.SimpleAmount + e.AccruedAmount - e.PayAmount;
        e.balanceAfter = prior.balance;
    }
    prior.entries = std::move(entries);
    return prior;
}

InterestFigures calculateInterest(const InterestInput& in, const Ledger& ledger) {
    return calculateInterest(
        in, in.CurrentEntry > 1 ? SumPriorBalance(ledger, in.CurrentEntry - 1) : PriorBalance{});
}

InterestFigures calculateInterest(const InterestInput& in, const PriorBalance& prior) {
    InterestFigures f;
    f.daysToPayment = static_cast<double>(DateDiff(in.EndDate, in.PaymentDate));
    f.SimpleDays = f.daysToPayment;
    f.AccruedInterest = accruedInterest(in.Weeks, in.CompRate);
    f.PriorEntry = in.CurrentEntry - 1;
    if (in.CurrentEntry > 1) {
        f.prior = prior;
        // A balance that ran from after this payment date bears no interest
        // here: interest never runs backwards.
        if (f.prior.balance > 0 && f.prior.balanceDate <= in.PaymentDate) {
            f.priorBears = true;
            f.PriorDays = static_cast<double>(DateDiff(f.prior.balanceDate, in.PaymentDate));
            f.priorInterest = f.prior.balance * DailyInterestRate * f.PriorDays;
        }
    }
    f.entryInterest = (f.AccruedInterest + in.TotalComp) * DailyInterestRate * f.SimpleDays;
    f.SimpleInterest = f.priorInterest + f.entryInterest;
    f.simpleBeforeFloor = f.SimpleInterest;
    if (!(f.SimpleInterest > 0)) {
        f.SimpleDays = 0;
        f.SimpleInterest = 0;
    }
    f.TotalAmount = f.SimpleInterest + (f.AccruedInterest + in.TotalComp);
    return f;
}

}  // namespace corvell
