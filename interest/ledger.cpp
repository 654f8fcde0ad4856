#include "interest/ledger.h"

#include <stdexcept>

namespace corvell {
namespace {

std::size_t slot(int n) {
    if (n < 1 || n > kLedgerCapacity) {
        throw std::out_of_range("ledger entry " + std::to_string(n) + " does not exist");
    }
    return static_cast<std::size_t>(n - 1);
}

}  // namespace

const LedgerEntry& Ledger::entry(int n) const {
    return entries_[slot(n)];
}

bool Ledger::grow() {
    if (full()) {
        return false;
    }
    ++count_;
    return true;
}

void Ledger::StoreEntry(int n, LedgerEntry entry) {
    entries_[slot(n)] = std::move(entry);
}

void Ledger::ClearLedger() {
    entries_.fill(LedgerEntry{});
    count_ = 0;
}

LedgerTotals sumLedger(const Ledger& ledger) {
    LedgerTotals t;
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        const LedgerEntry& e = ledger.entry(i);
        t.Payments += e.PayAmount;
        t.Simple += e.SimpleAmount;
        t.Accrued += e.AccruedAmount;
        t.Comp += e.CompAmount;
        t.Amount += e.TotalAmountValue;
    }
    t.Net = t.Amount - t.Payments;
    return t;
}

}  // namespace corvell
