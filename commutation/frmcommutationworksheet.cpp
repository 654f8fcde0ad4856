#include "commutation/frmcommutationworksheet.h"

#include <cmath>

#include "commutation/commutationcalc.h"
#include "commutation/frmcommutationcontrols.h"
#include "shell/daycount.h"
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
    sheet.constantsThenSteps(
        {"7: days in a week", kRoundingRule,
         "Rounding inside the calculation: the days of the weeks are rounded to the nearest whole "
         "day, a half day to the even one, before they are added to the beginning date."});
    weeksInDays(sheet, "Days", r.weeks, r.days);
    const std::string end = Format(r.end, kCommutationEndPattern);
    sheet.step("Computed End Date",
               {Keyed::date(r.begin) + static_cast<double>(r.days), Keyed::date(r.end)});
    sheet.rule("The payments end " + counted(r.days, "day", "days") + " after the beginning date " +
               dateFigure(r.begin) + ", on the same weekday for whole weeks.");
    const std::string rate = Format(r.rate, kCommutationRatePattern);
    sheet.step("Computed Rate", {Keyed(r.amount) / r.weeks}, r.rate, rate);
    sheet.rule("The rate is the amount of " + figure(r.amount) + " over the " + figure(r.weeks) +
               " weeks as typed, not over the rounded days (" + figure(r.days) + ").");
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
