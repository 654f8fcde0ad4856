#pragma once
// The subrogation window: the lien holder's net recovery, the reduced weekly
// rate it owes and the weeks and days that rate runs. The window keeps the
// new weekly rate of its last calculation for the report; Clear leaves it.

#include <optional>
#include <string>
#include <vector>

#include "shell/formmodel.h"

namespace corvell {

class SubrogationModel : public FormModel {
public:
    SubrogationModel();

    Reaction txtLienAmount_LostFocus();
    Reaction cmdSSCalculate_Click();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();

    // 0 until the first calculation.
    double NewWeeklyRate() const { return newWeeklyRate_; }

private:
    Reaction calculate();
    std::vector<std::string> fieldTexts() const;

    double newWeeklyRate_ = 0;
    // The field texts when a refused calculation sent the focus to the
    // refused field. If the focus was in the lien amount (Enter pressed
    // there), that move leaves the lien amount, and it must not then send
    // the focus on to the case caption. Unchanged texts tell that move
    // apart from the operator's own later visit.
    std::optional<std::vector<std::string>> refusedWith_;
};

}  // namespace corvell
