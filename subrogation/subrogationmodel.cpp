#include "subrogation/subrogationmodel.h"

#include <nlohmann/json.hpp>

#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationcalc.h"
#include "subrogation/subrogationreport.h"

namespace corvell {

using namespace frmsubrogation;

namespace {

std::string money(double amount) {
    return Format(amount, "#,##0.00");
}

// A distribution whose lien recovery or excess recovery falls below zero
// cannot be paid: the amounts that make it so, in words.
std::optional<Reaction> impossible(const SubrogationAmounts& a, const SubrogationDistribution& d) {
    if (d.lienRecovery && *d.lienRecovery < 0) {
        return Reaction::refuse("The Costs and Fees of " + money(a.costs) +
                                    " are larger than the Total Recovery of " + money(a.total) +
                                    ": the lien holder would recover less than nothing.",
                                txtCostsAndFees);
    }
    if (d.excessRecovery < 0) {
        const bool lien = d.excessFrom == SubrogationDistribution::Excess::LessLien;
        return Reaction::refuse(
            std::string(lien ? "The Lien Amount of " : "The Lien Recovery of ") +
                money(lien ? a.lien : a.agreedRecovery) + " is larger than the Total Recovery of " +
                money(a.total) + ": no recovery is left to stand for weekly compensation.",
            lien ? txtLienAmount : txtLienRecovery);
    }
    return std::nullopt;
}

}  // namespace

SubrogationModel::SubrogationModel() : FormModel(WindowId::frmSubrogation) {
    addNumberFields({kTotalRecoveryField, kCostsAndFeesField, kRateField, kLienAmountField,
                     kLienRecoveryField});
    addFields({txtCaseCaption});
    addResultFields({txtNewWeeklyRate, txtForWeeks});
    addCalculatorButtons(cmdSSCalculate, cmdSSPrint, cmdSSClear);
    showsLog(log_, &subrogationWorksheet);

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
    if (trim(text(txtRate)).empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    // The total divides the costs: without one there is nothing to share.
    const NumberRead total = number(kTotalRecoveryField);
    if (!total) {
        return refused(*total.refusal);
    }
    if (*total == 0) {
        return Reaction::refuse("Total Recovery is required for any calculation.",
                                txtTotalRecovery);
    }
    const NumberRead rate = number(kRateField);
    if (!rate) {
        return refused(*rate.refusal);
    }
    if (*rate == 0) {
        return Reaction::refuse("Rate must be greater than 0.", txtRate);
    }

    SubrogationAmounts amounts;
    amounts.total = *total;
    amounts.rate = *rate;
    const NumberRead costs = number(kCostsAndFeesField);
    if (!costs) {
        return refused(*costs.refusal);
    }
    amounts.costs = *costs;
    const NumberRead lien = number(kLienAmountField);
    if (!lien) {
        return refused(*lien.refusal);
    }
    amounts.lien = *lien;
    // An agreed recovery counts only without a lien; with one, the lien
    // recovery is worked out and written over whatever the field holds.
    if (amounts.lien == 0) {
        const NumberRead agreed = number(kLienRecoveryField);
        if (!agreed) {
            return refused(*agreed.refusal);
        }
        amounts.agreedRecovery = *agreed;
    }
    const std::optional<SubrogationDistribution> d = distribute(amounts);
    if (!d) {
        return Reaction::refuse("These amounts are too large or too small to calculate.",
                                txtTotalRecovery);
    }
    if (std::optional<Reaction> refusal = impossible(amounts, *d)) {
        return *refusal;
    }

    log_.passed({text(txtTotalRecovery), text(txtCostsAndFees), text(txtRate), text(txtLienAmount),
                 text(txtLienRecovery), amounts, *d});
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

void SubrogationModel::forgetCalculations() {
    newWeeklyRate_ = 0;
    log_ = {};
}

}  // namespace corvell
