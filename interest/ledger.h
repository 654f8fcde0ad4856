#pragma once
// The ledger of one claim: saved periods numbered 1 to EntryCount, at most
// 100, and the state of the entry being worked on. Every Save rebuilds the
// totals from all entries, so a corrected entry changes them too.

#include <optional>
#include <string>
#include <vector>

#include "interest/ledgerentry.h"

namespace corvell {

inline constexpr int kLedgerCapacity = 100;

class Ledger {
public:
    // Entries 1 to EntryCount() are saved.
    int EntryCount() const { return count_; }

    // Why entry n cannot be written (a new entry after the last when
    // `appends`): the ledger holds at most kLedgerCapacity entries. The
    // message is the one the window shows; std::nullopt when n may be written.
    std::optional<std::string> refuseWrite(int n, bool appends) const;

    // Asks before `entry` is written as entry n when its period shares a day
    // with another saved entry: "01/15/2005 - 02/14/2005 overlaps entry 1
    // (01/01/2005 - 01/31/2005). Save it anyway?", naming the first such
    // entry. An entry written again in place is not compared with itself.
    // std::nullopt when it overlaps none.
    std::optional<std::string> askOverlap(int n, const LedgerEntry& entry) const;

    // Entry n, 1 <= n <= 100 (std::out_of_range otherwise); an entry never
    // written is empty.
    const LedgerEntry& entry(int n) const;

    // Makes room for one more saved entry (EntryCount + 1); std::logic_error
    // when the ledger is full (refuseWrite says so first).
    void grow();
    // Writes entry n, 1 <= n <= 100, replacing what was there.
    void StoreEntry(int n, LedgerEntry entry);
    // Empties every entry; EntryCount becomes 0.
    void ClearLedger();

private:
    // Entries 1 to entries_.size(): the saved ones, and any written beyond
    // them; every later entry is empty.
    std::vector<LedgerEntry> entries_;
    int count_ = 0;
};

// Where the window stands in the ledger cycle.
struct LedgerState {
    int CurrentEntry = 0;          // the entry the next Save writes; 0: none chosen yet
    bool NewEntryPending = false;  // the next Save appends a new entry
    bool EntryCalculated = false;  // the entry in the fields has been calculated
    bool EntrySaved = false;       // the calculated entry has been saved
};

// Sums over the saved entries; NetTotal is AmountTotal less PaymentsTotal.
struct LedgerTotals {
    double PaymentsTotal = 0;
    double AccruedTotal = 0;
    double SimpleTotal = 0;
    double CompTotal = 0;
    double AmountTotal = 0;
    double NetTotal = 0;
    bool operator==(const LedgerTotals&) const = default;
};

LedgerTotals sumLedger(const Ledger& ledger);

}  // namespace corvell
