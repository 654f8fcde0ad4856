#pragma once
// The lump sum offset window: the weeks, days and end date a lump sum (a
// severance or other payment) stands in for weekly compensation, and the
// money left for a partial day. It keeps the beginning date and the rate of
// its last calculation in its own calculation values; no other window sees
// them.

#include "offsets/frmoffsetworksheet.h"
#include "shared/begindatemodel.h"

namespace corvell {

class LumpSumModel final : public BeginDateModel {
public:
    LumpSumModel();

private:
    Reaction cmdCommCalculate_Click();
    Reaction calculate();
    Reaction cmdCommClear_Click();
    Reaction cmdCommPrint_Click();
    void forgetCalculations() override {
        BeginDateModel::forgetCalculations();
        log_ = {};
    }

    CalculationLog<LumpSumRecord> log_;
};

}  // namespace corvell
