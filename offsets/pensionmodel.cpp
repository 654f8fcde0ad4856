#include "offsets/pensionmodel.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "offsets/frmpensioncontrols.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetreports.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

using namespace frmpension;

PensionModel::PensionModel()
    : RateOffsetModel(WindowId::FrmPension,
                      {txtRate, txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear}) {
    addField(txtMonthlyPension);
    addField(txtEmployerPercent);
    addField(txtNewWeeklyRate);
}

// An empty or unreadable pension or percentage counts as 0, leaving the
// rate as it is, but a number too large for a double is refused; the rate
// itself must be a number.
Reaction PensionModel::cmdSSCalculate_Click() {
    const std::string& pensionText = text(txtMonthlyPension);
    const std::optional<double> pension = FieldNumber(pensionText);
    if (!pension) {
        return notValidNumber(pensionText, txtMonthlyPension);
    }
    const std::string& percentText = text(txtEmployerPercent);
    const std::optional<double> percent = FieldNumber(percentText);
    if (!percent) {
        return notValidNumber(percentText, txtEmployerPercent);
    }
    const double employerMonthly = employerFundedMonthly(*pension, *percent);
    const std::string& rateText = text(txtRate);
    if (trim(rateText).empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    const auto rate = CDbl(rateText);
    if (!rate) {
        return notValidNumber(rateText, txtRate);
    }
    const double newRate = pensionNewRate(*rate, employerMonthly);
    if (!std::isfinite(newRate)) {
        return tooLargeToCalculate(txtMonthlyPension);
    }
    newWeeklyRate_ = newRate;
    field(txtNewWeeklyRate) = Format(newRate, "$##,##0.00");
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

void PensionModel::saveKept(nlohmann::json& kept) const {
    kept["NewWeeklyRate"] = newWeeklyRate_;
}

void PensionModel::loadKept(const StateReader& kept) {
    kept.expectMembers({"NewWeeklyRate"});
    newWeeklyRate_ = kept["NewWeeklyRate"].number();
}

}  // namespace corvell
