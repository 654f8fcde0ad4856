#pragma once
// The pension offset window: the weekly rate less the weekly equivalent of
// the employer-funded part of a monthly pension. Besides its fields it keeps
// the new weekly rate of its last Calculate, which its report prints and
// Clear leaves alone.

#include "offsets/frmpensionworksheet.h"
#include "offsets/rateoffsetmodel.h"

namespace corvell {

class PensionModel final : public RateOffsetModel {
public:
    PensionModel();

    // 0 until the first Calculate.
    double newWeeklyRate() const { return newWeeklyRate_; }

private:
    void forgetCalculations() override;

    Reaction cmdSSCalculate_Click();
    Reaction calculate();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();

    double newWeeklyRate_ = 0;
    // Like the new weekly rate, kept through Clear.
    CalculationLog<PensionRecord> log_;
};

}  // namespace corvell
