#include "offsets/pensionmodel.h"

#include <cmath>

#include "offsets/frmpensioncontrols.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetreports.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace frmpension;

PensionModel::PensionModel()
    : RateOffsetModel(WindowId::FrmPension,
                      {kRateField, txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear}) {
    addNumberFields({kMonthlyPensionField, kEmployerPercentField});
    addResultFields({txtNewWeeklyRate});
    showsLog(log_, &pensionWorksheet);
    on(cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
    on(cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
}

// An empty pension or percentage counts as 0, leaving the rate as it is;
// the rate itself is required.
Reaction PensionModel::cmdSSCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction PensionModel::calculate() {
    const NumberRead pension = number(kMonthlyPensionField);
    if (!pension) {
        return refused(*pension.refusal);
    }
    const NumberRead percent = number(kEmployerPercentField);
    if (!percent) {
        return refused(*percent.refusal);
    }
    if (trim(text(txtRate)).empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    const NumberRead rate = number(kRateField);
    if (!rate) {
        return refused(*rate.refusal);
    }
    const PensionOffset offset = pensionOffset(*pension, *percent, *rate);
    if (!std::isfinite(offset.newRate)) {
        return tooLargeToCalculate(txtMonthlyPension);
    }
    if (offset.newRate < 0) {
        return offsetAboveRate(offset.weeklyEquivalent, *rate, txtMonthlyPension);
    }
    newWeeklyRate_ = offset.newRate;
    field(txtNewWeeklyRate) = Format(offset.newRate, kPensionRatePattern);
    log_.passed({text(txtMonthlyPension), text(txtEmployerPercent), text(txtRate), *pension,
                 *percent, *rate, offset});
    return {};
}

Reaction PensionModel::cmdSSClear_Click() {
    for (ControlName name :
         {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate, txtCaseCaption}) {
        field(name).clear();
    }
    return {};
}

Reaction PensionModel::cmdSSPrint_Click() {
    return printOnce(kPensionReportTitle,
                     PensionReportFields{text(txtCaseCaption), text(txtMonthlyPension),
                                         text(txtEmployerPercent), text(txtRate), newWeeklyRate_},
                     &pensionReport);
}

void PensionModel::forgetCalculations() {
    newWeeklyRate_ = 0;
    log_ = {};
}

}  // namespace corvell
