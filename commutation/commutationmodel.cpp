#include "commutation/commutationmodel.h"

#include <nlohmann/json.hpp>

#include "commutation/commutationcalc.h"
#include "commutation/commutationreport.h"
#include "commutation/frmcommutationcontrols.h"
#include "shell/datefield.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace frmcommutation;

CommutationModel::CommutationModel()
    : BeginDateModel(WindowId::frmCommutation, {txtBeginningDate, txtCaseCaption, cmdCommCalculate,
                                                cmdCommPrint, cmdCommClear}) {
    addNumberFields({kCommWeeksField, kCommAmountField});
    addResultFields({txtComputedRate, txtComputedEndDate});
    showsLog(log_, &commutationWorksheet);
    on(cmdCommCalculate, Event::Click, [this] { return cmdCommCalculate_Click(); });
    on(cmdCommClear, Event::Click, [this] { return cmdCommClear_Click(); });
    on(cmdCommPrint, Event::Click, [this] { return cmdCommPrint_Click(); });
}

Reaction CommutationModel::cmdCommCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction CommutationModel::calculate() {
    const std::string beginText = text(txtBeginningDate);
    // The beginning date is kept only once it is known to be a date, so a
    // refused calculation never leaves a stray BeginDate for the report.
    const auto checked = requiredBeginningDate(field(txtBeginningDate), txtBeginningDate);
    if (const auto* refusal = std::get_if<Reaction>(&checked)) {
        return *refusal;
    }
    values_.BeginDate = std::get<Date>(checked);

    const std::string& weeksText = text(txtCommWeeks);
    if (weeksText.empty()) {
        return Reaction::refuse("Commuted Weeks is a required entry", txtCommWeeks);
    }
    const NumberRead weeksRead = number(kCommWeeksField);
    if (!weeksRead) {
        return refused(*weeksRead.refusal);
    }
    const double weeks = *weeksRead;
    const std::optional<std::int16_t> days = commutationDays(weeks);
    if (!days) {
        return Reaction::refuse("Commuted Weeks must be more than 0 and at most 4681.",
                                txtCommWeeks);
    }
    const std::optional<Date> end = commutationEndDate(values_.BeginDate, *days);
    if (!end) {
        return Reaction::refuse(
            "The payments would end after 12/31/9999. Enter fewer Comm Weeks or an earlier "
            "Beginning Date.",
            txtCommWeeks);
    }
    values_.Days = *days;
    values_.EndDate = *end;
    field(txtComputedEndDate) = Format(*end, kCommutationEndPattern);

    // The end date stays shown when the amount is missing.
    const std::string& amountText = text(txtCommAmount);
    if (amountText.empty()) {
        return Reaction::refuse("Commuted Amount is a required entry", txtCommAmount);
    }
    const NumberRead amountRead = number(kCommAmountField);
    if (!amountRead) {
        return refused(*amountRead.refusal);
    }
    const double amount = *amountRead;
    const std::optional<double> rate = commutationRate(amount, weeks);
    if (!rate) {
        return Reaction::refuse("Commutation Amount is too large for so few Comm Weeks.",
                                txtCommAmount);
    }
    commAmount_ = amount;
    commRate_ = *rate;
    field(txtComputedRate) = Format(*rate, kCommutationRatePattern);
    log_.passed(CommutationRecord{beginText, weeksText, amountText, values_.BeginDate, weeks,
                                  amount, *days, *end, *rate});
    return {};
}

Reaction CommutationModel::cmdCommClear_Click() {
    for (ControlName name : {txtBeginningDate, txtCommAmount, txtCommWeeks, txtComputedRate,
                             txtComputedEndDate, txtCaseCaption}) {
        field(name).clear();
    }
    return {};
}

Reaction CommutationModel::cmdCommPrint_Click() {
    const CommutationReportFigures figures{text(txtCaseCaption), text(txtCommWeeks),
                                           values_.BeginDate, values_.EndDate, commRate_};
    return printOnce(kCommutationReportTitle, figures, &commutationReport);
}

void CommutationModel::forgetCalculations() {
    BeginDateModel::forgetCalculations();
    commAmount_.reset();
    commRate_.reset();
    log_ = {};
}

}  // namespace corvell
