#include "offsets/pensionmodel.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "offsets/frmpensioncontrols.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetrecords.h"
#include "offsets/offsetreports.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/savedstate.h"
#include "shell/values.h"
#include "shell/worksheetstate.h"

namespace corvell {

using namespace frmpension;

PensionModel::PensionModel()
    : RateOffsetModel(WindowId::FrmPension,
                      {txtRate, txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear}) {
    addFields({txtMonthlyPension, txtEmployerPercent, txtNewWeeklyRate});
    keepNumber("NewWeeklyRate", newWeeklyRate_);
    keepLog(log_, pensionRecords);
    on(cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
    on(cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
}

// An empty or unreadable pension or percentage counts as 0, leaving the
// rate as it is, but a number too large for a double is refused; the rate
// itself must be a number.
Reaction PensionModel::cmdSSCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction PensionModel::calculate() {
    const std::string& pensionText = text(txtMonthlyPension);
    const std::optional<double> pension = fieldNumber(pensionText);
    if (!pension) {
        return notValidNumber(pensionText, txtMonthlyPension);
    }
    const std::string& percentText = text(txtEmployerPercent);
    const std::optional<double> percent = fieldNumber(percentText);
    if (!percent) {
        return notValidNumber(percentText, txtEmployerPercent);
    }
    const std::string& rateText = text(txtRate);
    if (trim(rateText).empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    const auto rate = CDbl(rateText);
    if (!rate) {
        return notValidNumber(rateText, txtRate);
    }
    const PensionOffset offset = pensionOffset(*pension, *percent, *rate);
    if (!std::isfinite(offset.newRate)) {
        return tooLargeToCalculate(txtMonthlyPension);
    }
    newWeeklyRate_ = offset.newRate;
    field(txtNewWeeklyRate) = Format(offset.newRate, kPensionRatePattern);
    log_.passed({pensionText, percentText, rateText, *pension, *percent, *rate, offset});
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

// The rate kept is that of the last Calculate that passed its checks.
void PensionModel::keptLoaded(const StateReader& kept) {
    if (log_.record && log_.record->offset.newRate != newWeeklyRate_) {
        kept["worksheet"].fail("disagrees with the new weekly rate kept");
    }
}

}  // namespace corvell
