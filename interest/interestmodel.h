#pragma once
// The compensation-and-interest window: one period at a time is calculated
// (days, weeks, compensation, interest on a late payment) and saved into the
// ledger of the claim, which the panel lists with its totals and Print
// prints. A saved period is recalled by double-clicking its panel line and
// replaced by the next Save. The ledger and everything about the current
// entry belong to this window alone.

#include <optional>
#include <string>

#include "interest/calculation.h"
#include "interest/calculationformworksheet.h"
#include "interest/calculationrecord.h"
#include "interest/ledger.h"
#include "interest/ledgerentry.h"
#include "interest/ledgerlines.h"
#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class InterestModel : public FormModel {
public:
    InterestModel();

    const CalculationValues& values() const { return values_; }
    const EntryFigures& figures() const { return figures_; }
    const Ledger& ledger() const { return ledger_; }
    const LedgerState& state() const { return state_; }
    const LedgerTotals& totals() const { return totals_; }

    // Edit > Undo Clear: everything as it was before the last Clear (the
    // ledger, its counters and flags, every field), until the ledger next
    // changes.
    bool canUndoClear() const { return beforeClear_.has_value(); }
    Reaction undoClear();

    // The worksheet of the figures the fields show: the last Calculate, or
    // the entry recalled. The printed ledger goes with the worksheet of every
    // saved entry and of the totals.
    std::optional<Worksheet> ownReportWorksheet() const override;

    // The ledger panel's entry lines read with their columns' names, and its
    // totals as totals.
    std::string lineReadAloud(ControlName list, std::size_t line) const override;

    // The ledger as a claim file keeps it: each entry's inputs, the entry
    // being worked on and the last Calculate; opening it calculates every
    // entry again, in order.
    SavedWindow save() const override;

private:
    Reaction txtBeginningDate_LostFocus();
    Reaction txtEndingDate_LostFocus();
    Reaction txtPaymentDate_LostFocus();
    Reaction txtRate_LostFocus();
    Reaction cmdCalculate_Click();
    Reaction cmdSave_Click();
    // Writes the calculated entry into the ledger (once any question about
    // it is answered Yes).
    Reaction saveCalculated();
    Reaction cmdNextEntry_Click();
    Reaction List1_DblClick(int line);
    Reaction cmdClear_Click();
    Reaction cmdPrint_Click();

    void forgetCalculations() override;
    void rebuild(const SavedWindow& saved, FigureChanges& changes) override;

    Reaction leaveDateField(ControlName control, Date& stored, std::string& lastText);
    // Writes a date field as the program does, so that leaving it unchanged
    // later does not count as a new date.
    void putDate(ControlName control, std::string text);
    void showCalculation(const Calculation& c);
    void rebuildPanel();
    void updatePanel(int entry);
    void put(ControlName control, std::string text) { field(control) = std::move(text); }

    CalculationValues values_;
    EntryFigures figures_;
    // The entry as the last calculation that passed its checks left it: what
    // Save writes, whatever was typed into the fields since.
    std::optional<LedgerEntry> calculated_;
    // The text each date field held when it was last left or written here:
    // only a date the operator changed asks for a new calculation.
    std::string lastBeginningDate_;
    std::string lastEndingDate_;
    Ledger ledger_;
    LedgerState state_;
    LedgerTotals totals_;
    PanelLines panel_;  // the entries' panel lines, kept up to date by each Save
    std::optional<SavedWindow> beforeClear_;
    // What the figures in the fields were calculated from, what `calculated_`
    // was, and what each saved entry was.
    CalculationLog<CalculationRecord> log_;
    std::optional<CalculationRecord> calculatedRecord_;
    std::vector<CalculationRecord> entryRecords_;
    // Every Save into the ledger, in order, as a claim file keeps them: a
    // Save over an earlier entry is kept apart only when a later entry was
    // figured against what it replaced.
    struct LedgerWrite {
        int entry;
        bool appended;
        CalculationInput input;
    };
    std::vector<LedgerWrite> writes_;
    void noteWrite(int entry, bool appended, const CalculationInput& input);
    // The figures the last recall wrote into the fields, by field.
    FieldTexts recalledFigures_;
};

}  // namespace corvell
