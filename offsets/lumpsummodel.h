#pragma once
// The lump sum offset window: the weeks, days and end date a lump sum (a
// severance or other payment) stands in for weekly compensation, and the
// money left for a partial day. It keeps the beginning date and the rate of
// its last calculation in its own calculation values; no other window sees
// them.

#include "offsets/frmoffsetworksheet.h"
#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class LumpSumModel : public FormModel {
public:
    LumpSumModel();

    const CalculationValues& values() const { return values_; }

    std::optional<Worksheet> worksheet() const override;

private:
    void saveKept(nlohmann::json& kept) const override;
    void loadKept(const StateReader& kept) override;

    Reaction txtBeginningDate_LostFocus();
    Reaction cmdCommCalculate_Click();
    Reaction calculate();
    Reaction cmdCommClear_Click();
    Reaction cmdCommPrint_Click();

    CalculationValues values_;
    CalculationLog<LumpSumRecord> log_;
};

}  // namespace corvell
