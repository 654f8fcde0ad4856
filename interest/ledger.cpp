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
    static const LedgerEntry kEmpty;
    const std::size_t i = slot(n);
    return i < entries_.size() ? entries_[i] : kEmpty;
}

std::optional<std::string> Ledger::refuseWrite(int n, bool appends) const {
    if (n > kLedgerCapacity || (appends && count_ >= kLedgerCapacity)) {
        return "The ledger holds at most " + std::to_string(kLedgerCapacity) + " entries.";
    }
    return std::nullopt;
}

std::optional<std::string> Ledger::askOverlap(int n, const LedgerEntry& entry) const {
    const std::optional<Date> begin = CDate(entry.BeginText);
    if (!begin) {
        return std::nullopt;
    }
    for (int i = 1; i <= count_; ++i) {
        const LedgerEntry& saved = this->entry(i);
        // Consecutive periods end before the next begins: most entries are
        // passed over without reading their beginning date.
        if (i == n || *begin > saved.EndDateValue) {
            continue;
        }
        const std::optional<Date> savedBegin = CDate(saved.BeginText);
        if (!savedBegin || *savedBegin > entry.EndDateValue) {
            continue;
        }
        return entry.BeginText + " - " + entry.EndText + " overlaps entry " + std::to_string(i) +
               " (" + saved.BeginText + " - " + saved.EndText + "). Save it anyway?";
    }
    return std::nullopt;
}

void Ledger::grow() {
    if (refuseWrite(count_ + 1, true)) {
        throw std::logic_error("the ledger is full");
    }
    ++count_;
    if (entries_.size() < static_cast<std::size_t>(count_)) {
        entries_.resize(static_cast<std::size_t>(count_));
    }
}

void Ledger::StoreEntry(int n, LedgerEntry entry) {
    const std::size_t i = slot(n);
    if (i >= entries_.size()) {
        entries_.resize(i + 1);
    }
    entries_[i] = std::move(entry);
}

void Ledger::ClearLedger() {
    entries_.clear();
    count_ = 0;
}

LedgerTotals sumLedger(const Ledger& ledger) {
    LedgerTotals t;
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        const LedgerEntry& e = ledger.entry(i);
        t.PaymentsTotal += e.PayAmount;
        t.SimpleTotal += e.SimpleAmount;
        t.AccruedTotal += e.AccruedAmount;
        t.CompTotal += e.CompAmount;
        t.AmountTotal += e.TotalAmountValue;
    }
    t.NetTotal = t.AmountTotal - t.PaymentsTotal;
    return t;
}

}  // namespace corvell
