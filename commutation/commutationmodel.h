#pragma once
// The commutation window: from a beginning date, a number of weeks and an
// agreed amount, the weekly rate and the day the payments end. The window
// keeps its own period (BeginDate, EndDate, Days) and the amount and rate of
// its last calculation for the report; Clear leaves them as they are.

#include <optional>

#include "commutation/frmcommutationworksheet.h"
#include "shared/begindatemodel.h"

namespace corvell {

class CommutationModel final : public BeginDateModel {
public:
    CommutationModel();

    // std::nullopt until a calculation has run to its end.
    std::optional<double> CommAmount() const { return commAmount_; }
    std::optional<double> CommRate() const { return commRate_; }

private:
    void forgetCalculations() override;

    Reaction cmdCommCalculate_Click();
    Reaction calculate();
    Reaction cmdCommClear_Click();
    Reaction cmdCommPrint_Click();

    std::optional<double> commAmount_;
    std::optional<double> commRate_;
    // Like the amount and the rate, kept through Clear.
    CalculationLog<CommutationRecord> log_;
};

}  // namespace corvell
