#pragma once
// The social security offset window: the weekly rate less half the weekly
// equivalent of the net monthly social security. Everything it shows lives
// in its fields; besides them it keeps only what its last Calculate read and
// worked out, for its worksheet.

#include "offsets/frmsocialsecurityworksheet.h"
#include "offsets/rateoffsetmodel.h"

namespace corvell {

class SocialSecurityModel final : public RateOffsetModel {
public:
    SocialSecurityModel();

private:
    Reaction cmdSSCalculate_Click();
    Reaction calculate();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();
    void forgetCalculations() override { log_ = {}; }

    CalculationLog<SocialSecurityRecord> log_;
};

}  // namespace corvell
