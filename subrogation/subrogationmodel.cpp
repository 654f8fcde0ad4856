#include "subrogation/subrogationmodel.h"

#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"
#include "subrogation/subrogationcalc.h"
#include "subrogation/subrogationreport.h"

namespace corvell {
namespace {

constexpr const char* kTotalRecovery = "txtTotalRecovery";
constexpr const char* kCostsAndFees = "txtCostsAndFees";
constexpr const char* kRate = "txtRate";
constexpr const char* kLienAmount = "txtLienAmount";
constexpr const char* kLienRecovery = "txtLienRecovery";
constexpr const char* kCaseCaption = "txtCaseCaption";
constexpr const char* kNewWeeklyRate = "txtNewWeeklyRate";
constexpr const char* kForWeeks = "txtForWeeks";

constexpr const char* kFields[] = {kTotalRecovery, kCostsAndFees, kRate,          kLienAmount,
                                   kLienRecovery,  kCaseCaption,  kNewWeeklyRate, kForWeeks};

}  // namespace

SubrogationModel::SubrogationModel() : FormModel(WindowId::frmSubrogation) {
    for (const char* name : kFields) {
        addField(name);
    }
    addButton("cmdSSCalculate");
    addButton("cmdSSPrint");
    addButton("cmdSSClear");
    addNavigationRow();

    on(kLienAmount, Event::LostFocus, [this] { return txtLienAmount_LostFocus(); });
    on("cmdSSCalculate", Event::Click, [this] { return cmdSSCalculate_Click(); });
    on("cmdSSPrint", Event::Click, [this] { return cmdSSPrint_Click(); });
    on("cmdSSClear", Event::Click, [this] { return cmdSSClear_Click(); });
}

Reaction SubrogationModel::txtLienAmount_LostFocus() {
    // With a lien typed, the lien recovery is worked out: skip over it.
    if (text(kLienAmount).empty()) {
        return {};
    }
    return Reaction::focusOn(kCaseCaption, Caret::AtStart);
}

Reaction SubrogationModel::cmdSSCalculate_Click() {
    const std::string& rateText = text(kRate);
    if (rateText.empty()) {
        return Reaction::refuse("Rate is required for any calculation.", kRate);
    }
    // The total divides the costs: without one there is nothing to share.
    const double total = FieldNumber(text(kTotalRecovery));
    if (total == 0) {
        return Reaction::refuse("Total Recovery is required for any calculation.", kTotalRecovery);
    }
    const std::optional<double> rate = CDbl(rateText);
    if (!rate) {
        return notValidNumber(rateText, kRate);
    }
    if (*rate == 0) {
        return Reaction::refuse("Rate must be greater than 0.", kRate);
    }

    SubrogationAmounts amounts;
    amounts.total = total;
    amounts.costs = FieldNumber(text(kCostsAndFees));
    amounts.rate = *rate;
    amounts.lien = FieldNumber(text(kLienAmount));
    amounts.agreedRecovery = FieldNumber(text(kLienRecovery));
    const std::optional<SubrogationDistribution> d = Distribute(amounts);
    if (!d) {
        return Reaction::refuse("These amounts are too large or too small to calculate.",
                                kTotalRecovery);
    }

    if (d->lienRecovery) {
        field(kLienRecovery) = Format(*d->lienRecovery, "##,###,##0.00");
    }
    newWeeklyRate_ = d->newWeeklyRate;
    field(kNewWeeklyRate) = Format(d->newWeeklyRate, "$#,##0.00");
    field(kForWeeks) = CStr(d->period.weeks) + " / " + std::to_string(d->period.days);
    return {};
}

Reaction SubrogationModel::cmdSSClear_Click() {
    for (const char* name : {kTotalRecovery, kCostsAndFees, kRate, kNewWeeklyRate, kForWeeks,
                             kLienAmount, kLienRecovery, kCaseCaption}) {
        field(name).clear();
    }
    return Reaction::focusOn(kTotalRecovery, Caret::AtStart);
}

Reaction SubrogationModel::cmdSSPrint_Click() {
    SubrogationReportFigures figures;
    figures.caseCaption = text(kCaseCaption);
    figures.totalRecovery = text(kTotalRecovery);
    figures.costsAndFees = text(kCostsAndFees);
    figures.rate = text(kRate);
    figures.lienAmount = text(kLienAmount);
    figures.lienRecovery = text(kLienRecovery);
    figures.forWeeks = text(kForWeeks);
    figures.newWeeklyRate = newWeeklyRate_;
    Reaction r;
    r.print = PrintJob{SubrogationReport(figures, now())};
    return r;
}

}  // namespace corvell
