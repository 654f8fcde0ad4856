#pragma once
// The compensation-and-interest window as its two fuzz targets drive it: its
// fields, its actions, what its model keeps, and the rules each handler must
// keep:
// - a refused Calculate, Save, Next Entry or Print changes nothing;
// - only Save and Clear touch the ledger, its panel and its totals;
// - a calculation shows the days, weeks and amounts it keeps, each reading
//   back as the value it stands for;
// - Save writes the current entry only; Next Entry opens the day after the
//   last entry; a double click recalls the entry on its line and nothing
//   for any other line; Clear empties the fields and the ledger;
// - the ledger never holds more than 100 entries, each panel line is built
//   from its stored entry, and the totals, on the panel and in the model,
//   are the sums of the entries;
// - the printed ledger shows every entry and the totals.

#include "fuzz/session.h"
#include "interest/interestmodel.h"

namespace corvell::fuzz {

Window interestWindow(const InterestModel& model);

void checkInterestStep(const InterestModel& model, const Fired& fired);

}  // namespace corvell::fuzz
