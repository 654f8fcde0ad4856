#pragma once
// The compensation-and-interest window as its two fuzz targets drive it: its
// fields, its actions, what its model keeps, and the rules each handler must
// keep:
// - Calculate answers as interestfigures.h makes of the fields (a refusal in
//   the window's order of checks, or a calculation);
// - leaving a date field completes digits and writes out the date (or
//   refuses it), keeping it; leaving the rate writes it out or refuses it;
// - a refused Calculate, Save, Next Entry or Print changes nothing;
// - only Save and Clear touch the ledger, its panel and its totals;
// - a calculation shows the days, weeks and amounts the rules make of the
//   fields and of the earlier entries (interestfigures.h), which the checks
//   keep in a ledger of their own, entry by entry as Save writes them,
//   following recalls, Next Entry and Clear;
// - Save asks first when the period shares a day with another saved entry's
//   (No saves nothing), then writes the current entry only; Next Entry opens the day after the
//   last entry; a double click recalls the entry on its line and nothing
//   for any other line; Clear empties the fields and the ledger;
// - the ledger never holds more than 100 entries, each panel line is built
//   from its stored entry, and the totals, on the panel and in the model,
//   are the sums of the entries;
// - the printed ledger shows every entry and the totals.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzz/interestfigures.h"
#include "fuzz/session.h"
#include "interest/interestmodel.h"

namespace corvell::fuzz {

Window interestWindow(const InterestModel& model);

class InterestChecks {
public:
    explicit InterestChecks(const InterestModel& model) : model_(model) {}

    void check(const Fired& fired);

    // Whether the handler may have changed what the window's worksheet is
    // built from, the record of its last Calculate: Next Entry and Clear
    // empty it and a recall puts the entry's in its place; Save, Print and
    // leaving a field leave it as it was (and Calculate, which writes it, is
    // checked by the worksheet check in any case).
    bool changesWorksheet(const Fired& fired) const;

private:
    void checkCalculation(const Fired& f, const ExpectedCalculation& c);
    void checkSave(const Fired& f);
    // The question Save must ask before writing the calculated entry.
    std::optional<std::string> overlapQuestion(int target, bool appends) const;
    void checkNextEntry(const Fired& f);
    void checkRecall(const Fired& f);
    void checkClear(const Fired& f);
    void checkPrint(const Fired& f) const;
    void checkLedger(const Fired& f);
    // The entries the model holds are those last seen, amounts and dates
    // (cheap enough for every step) or everything.
    void expectLedgerAsSeen(const Fired& f, bool everything) const;
    void expectState(const Fired& f) const;
    std::span<const ExpectedEntry> earlierEntries() const;

    const InterestModel& model_;
    // The ledger as these checks keep it.
    std::vector<ExpectedEntry> entries_;
    int currentEntry_ = 0;
    bool newEntryPending_ = false;
    std::optional<ExpectedEntry> calculated_;  // what the next Save writes
    // The model's entries as the last Save or Clear left them.
    std::vector<LedgerEntry> seen_;
    ColumnWidths panelWidths_ = ColumnWidth;  // of the panel as last checked
};

}  // namespace corvell::fuzz
