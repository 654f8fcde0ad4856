#include "commutation/frmcommutationworksheet.h"

#include <cmath>

#include "commutation/commutationcalc.h"
#include "commutation/frmcommutationcontrols.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmcommutation;

namespace {

Worksheet calculated(const CommutationRecord& r) {
    Worksheet sheet("Commutation");
    sheet.inputs({{"Beginning Date", r.beginText, dateFigure(r.begin)},
                  {"Comm Weeks", r.weeksText, figure(r.weeks)},
                  {"Commutation Amount", r.amountText, figure(r.amount)}});
    sheet.constantsThenSteps({"7: days in a week"});
    const double unrounded = weeksInDays(sheet, "Days", r.weeks, r.days);
    const double part = unrounded - std::floor(unrounded);
    if (part != 0 && part != 0.5) {
        sheet.rule("Days are rounded to the nearest whole day, halves to the even neighbour.");
    }
    const std::string end = Format(r.end, kCommutationEndPattern);
    sheet.text("Computed End Date = " + dateFigure(r.begin) + " + " + figure(r.days) +
               " days = " + end);
    sheet.rule(
        "The payments end that many days after the beginning date, on the same weekday for "
        "whole weeks.");
    const std::string rate = Format(r.rate, kCommutationRatePattern);
    sheet.text("Computed Rate = " + figure(r.amount) + " / " + figure(r.weeks) + " = " +
               figure(r.rate) + ", shown " + rate);
    sheet.rule("The rate is the amount over the weeks as typed, not over the rounded days.");
    sheet.result(txtComputedEndDate, "Computed End Date", end);
    sheet.result(txtComputedRate, "Computed Rate", rate);
    return sheet;
}

}  // namespace

Worksheet commutationWorksheet(const CalculationLog<CommutationRecord>& log) {
    return loggedWorksheet(
        "Commutation: how the figures were calculated", log, calculated,
        {{txtBeginningDate, "Beginning Date"},
         {txtCommWeeks, "Comm Weeks"},
         {txtCommAmount, "Commutation Amount"}},
        "A refused Calculate changes no figure, except that a missing amount leaves the end date "
        "it worked out from the weeks on show.");
}

}  // namespace corvell
