#pragma once
// The pension offset window: the weekly rate less the weekly equivalent of
// the employer-funded part of a monthly pension. Besides its fields it keeps
// the new weekly rate of its last Calculate, which its report prints and
// Clear leaves alone.

#include "shell/formmodel.h"

namespace corvell {

class PensionModel : public FormModel {
public:
    PensionModel();

    // 0 until the first Calculate.
    double newWeeklyRate() const { return newWeeklyRate_; }

private:
    Reaction txtRate_LostFocus();
    Reaction cmdSSCalculate_Click();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();

    double newWeeklyRate_ = 0;
};

}  // namespace corvell
