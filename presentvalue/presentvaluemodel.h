#pragma once
// The present value window: what a run of future weekly payments totals and
// what it is worth today. The period starts on the From Date and is given by
// a To Date, by weeks, or by the claimant's age and gender through the life
// expectancy table. The window keeps the figures of its last calculation for
// its report, and a calculation without a Comp Rate uses the last rate.

#include <optional>
#include <string>

#include "presentvalue/frmpresentvalueworksheet.h"
#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class PresentValueModel : public FormModel {
public:
    PresentValueModel();

    const CalculationValues& values() const { return values_; }
    // The annual discount rate, as a fraction, and the present value of the
    // last calculation that got that far.
    double discountRate() const { return discountRate_; }
    double presentValue() const { return presentValue_; }

    // A Calculate without a Comp Rate goes on with the rate and total of the
    // one before: a claim file keeps them.
    SavedWindow save() const override;

private:
    void forgetCalculations() override;
    void rebuild(const SavedWindow& saved, FigureChanges& changes) override;

    Reaction cmdPVCalculate_Click();
    Reaction calculate(PresentValueRecord& record);
    Reaction cmdPVClear_Click();
    Reaction cmdPVPrint_Click();
    Reaction txtFromDate_LostFocus();
    Reaction txtToDate_LostFocus();
    Reaction txtRate_LostFocus();
    Reaction txtWeeks_LostFocus();
    Reaction txtAge_Change();

    // Calculate, step by step; each returns the refusal that stops it.
    // Each writes what it read and worked out into the record.
    std::optional<Reaction> checkFromDate(Date& from);
    std::optional<Reaction> checkToDate(std::optional<Date>& to);
    std::optional<Reaction> weeksFromAge(PresentValueRecord& record);
    std::optional<Reaction> periodFromWeeks(Date from, PresentValueRecord& record);
    void periodFromDates(Date from, Date to);
    std::optional<Reaction> totalComp(PresentValueRecord& record);
    std::optional<Reaction> discountedPresentValue(PresentValueRecord& record);

    CalculationValues values_;
    double discountRate_ = 0;
    double presentValue_ = 0;
    // Like the figures above, kept through Clear.
    CalculationLog<PresentValueRecord> log_;
};

}  // namespace corvell
