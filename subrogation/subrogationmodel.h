#pragma once
// The subrogation window: the lien holder's net recovery, the reduced weekly
// rate it owes and the weeks and days that rate runs. The window keeps the
// new weekly rate of its last calculation for the report; Clear leaves it.

#include "shell/formmodel.h"
#include "subrogation/frmsubrogationworksheet.h"

namespace corvell {

class SubrogationModel : public FormModel {
public:
    SubrogationModel();

    // 0 until the first calculation.
    double newWeeklyRate() const { return newWeeklyRate_; }

private:
    void forgetCalculations() override;

    Reaction txtLienAmount_LostFocus();
    Reaction cmdSSCalculate_Click();
    Reaction calculate();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();

    double newWeeklyRate_ = 0;
    // Like the new weekly rate, kept through Clear.
    CalculationLog<SubrogationRecord> log_;
};

}  // namespace corvell
