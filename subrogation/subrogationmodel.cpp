#include "subrogation/subrogationmodel.h"

#include <nlohmann/json.hpp>

#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/savedstate.h"
#include "shell/values.h"
#include "shell/worksheetstate.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationcalc.h"
#include "subrogation/subrogationreport.h"

namespace corvell {

using namespace frmsubrogation;

namespace {

constexpr ControlName kFields[] = {txtTotalRecovery, txtCostsAndFees, txtRate,
                                   txtLienAmount,    txtLienRecovery, txtCaseCaption,
                                   txtNewWeeklyRate, txtForWeeks};

}  // namespace

SubrogationModel::SubrogationModel() : FormModel(WindowId::frmSubrogation) {
    addFields(kFields);
    addCalculatorButtons(cmdSSCalculate, cmdSSPrint, cmdSSClear);
    keepNumber("NewWeeklyRate", newWeeklyRate_);
    keepLog(log_, subrogationRecords);

    on(txtLienAmount, Event::LostFocus, [this] { return txtLienAmount_LostFocus(); });
    on(cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
    on(cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
}

Reaction SubrogationModel::txtLienAmount_LostFocus() {
    // With a lien typed, the lien recovery is worked out: skip over it.
    if (text(txtLienAmount).empty()) {
        return {};
    }
    return Reaction::focusOn(txtCaseCaption, Caret::AtStart);
}

Reaction SubrogationModel::cmdSSCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction SubrogationModel::calculate() {
    const std::string& rateText = text(txtRate);
    if (rateText.empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    // The total divides the costs: without one there is nothing to share.
    const std::string& totalText = text(txtTotalRecovery);
    const std::optional<double> totalRead = fieldNumber(totalText);
    if (!totalRead) {
        return notValidNumber(totalText, txtTotalRecovery);
    }
    const double total = *totalRead;
    if (total == 0) {
        return Reaction::refuse("Total Recovery is required for any calculation.",
                                txtTotalRecovery);
    }
    const std::optional<double> rate = CDbl(rateText);
    if (!rate) {
        return notValidNumber(rateText, txtRate);
    }
    if (*rate == 0) {
        return Reaction::refuse("Rate must be greater than 0.", txtRate);
    }

    SubrogationAmounts amounts;
    amounts.total = total;
    amounts.rate = *rate;
    const std::string& costsText = text(txtCostsAndFees);
    const std::optional<double> costs = fieldNumber(costsText);
    if (!costs) {
        return notValidNumber(costsText, txtCostsAndFees);
    }
    amounts.costs = *costs;
    const std::string& lienText = text(txtLienAmount);
    const std::optional<double> lien = fieldNumber(lienText);
    if (!lien) {
        return notValidNumber(lienText, txtLienAmount);
    }
    amounts.lien = *lien;
    // An agreed recovery counts only without a lien; with one, the lien
    // recovery is worked out and written over whatever the field holds.
    if (amounts.lien == 0) {
        const std::string& agreedText = text(txtLienRecovery);
        const std::optional<double> agreed = fieldNumber(agreedText);
        if (!agreed) {
            return notValidNumber(agreedText, txtLienRecovery);
        }
        amounts.agreedRecovery = *agreed;
    }
    const std::optional<SubrogationDistribution> d = distribute(amounts);
    if (!d) {
        return Reaction::refuse("These amounts are too large or too small to calculate.",
                                txtTotalRecovery);
    }

    log_.passed({totalText, costsText, rateText, lienText, text(txtLienRecovery), amounts, *d});
    if (d->lienRecovery) {
        field(txtLienRecovery) = Format(*d->lienRecovery, kLienRecoveryPattern);
    }
    newWeeklyRate_ = d->newWeeklyRate;
    field(txtNewWeeklyRate) = Format(d->newWeeklyRate, kSubrogationRatePattern);
    field(txtForWeeks) = CStr(d->period.weeks) + " / " + std::to_string(d->period.days);
    return {};
}

Reaction SubrogationModel::cmdSSClear_Click() {
    for (ControlName name : {txtTotalRecovery, txtCostsAndFees, txtRate, txtNewWeeklyRate,
                             txtForWeeks, txtLienAmount, txtLienRecovery, txtCaseCaption}) {
        field(name).clear();
    }
    return Reaction::focusOn(txtTotalRecovery, Caret::AtStart);
}

Reaction SubrogationModel::cmdSSPrint_Click() {
    return printOnce(
        kSubrogationReportTitle,
        SubrogationReportFigures{text(txtCaseCaption), text(txtTotalRecovery),
                                 text(txtCostsAndFees), text(txtRate), text(txtLienAmount),
                                 text(txtLienRecovery), text(txtForWeeks), newWeeklyRate_},
        &subrogationReport);
}

// The rate kept is that of the last Calculate that passed its checks.
void SubrogationModel::keptLoaded(const StateReader& kept) {
    if (log_.record && log_.record->distribution.newWeeklyRate != newWeeklyRate_) {
        kept["worksheet"].fail("disagrees with the new weekly rate kept");
    }
}

}  // namespace corvell
