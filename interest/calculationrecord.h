#pragma once
// What a Calculate of the compensation-and-interest window that passed its
// checks read and worked out: the field texts and the ledger position it
// read, and the whole Calculation it made of them, down to the amounts of
// the earlier entries whose balance bears interest. The window keeps one for
// the figures it shows and one for each saved entry.

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "interest/calculation.h"
#include "interest/ledgerentry.h"

namespace corvell {

struct CalculationRecord {
    CalculationInput input;
    Calculation result;
};

// The figures and the ledger entry a calculation gives the current entry.
EntryFigures figuresOf(const Calculation& c);
LedgerEntry entryOf(const Calculation& c);

// What a calculation writes into the window's fields, in the window's order:
// the ending date when it came from the weeks, then the period figures, the
// interest and the amounts. An empty text empties the field.
struct ShownField {
    ControlName field;
    std::string_view label;
    std::string text;
};
std::vector<ShownField> shownFields(const Calculation& c);

}  // namespace corvell
