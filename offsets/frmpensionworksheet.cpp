#include "offsets/frmpensionworksheet.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "offsets/frmpensioncontrols.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmpension;

namespace {

Worksheet calculated(const PensionRecord& r) {
    const PensionOffset& o = r.offset;
    Worksheet sheet("Pension Offset");
    sheet.inputs({{"Monthly Pension", r.pensionText, figure(r.pension)},
                  {"Employer %", r.percentText, figure(r.percent)},
                  {"Weekly Comp. Rate", r.rateText, figure(r.rate)}});
    if (r.pensionText.empty() || r.percentText.empty()) {
        sheet.rule("An empty pension or percentage counts as 0, which leaves the rate of " +
                   figure(r.rate) + " as it is.");
    }
    sheet.constantsThenSteps(
        {"0.01: turns the employer's percentage into a fraction",
         "4.34: weeks in a month, turning the monthly amount into a weekly one", kRoundingRule,
         "Rounding inside the calculation: the Employer-funded monthly amount step keeps its "
         "result to 15 significant digits, as if written out and read back, before it is "
         "divided by 4.34."});
    sheet.step("Employer-funded monthly amount",
               {Keyed(r.pension) * r.percent * 0.01, o.employerMonthly});
    if (o.employerShare != o.employerMonthly) {
        sheet.rule(
            "The employer-funded monthly amount is kept to 15 significant digits: the "
            "computer's " +
            exactFigure(o.employerShare) + " is kept as " + figure(o.employerMonthly) + ".");
    } else {
        sheet.rule("The employer funds " + figure(r.percent) + " % of the monthly pension of " +
                   figure(r.pension) + ", " + figure(o.employerMonthly) +
                   " a month; only that part is offset.");
    }
    sheet.step("Weekly equivalent", {Keyed(o.employerMonthly) / 4.34, o.weeklyEquivalent});
    const std::string shown = Format(o.newRate, kPensionRatePattern);
    sheet.step("New Weekly Rate", {Keyed(r.rate) - o.weeklyEquivalent}, o.newRate, shown);
    sheet.rule("The whole weekly equivalent of the employer-funded amount, " +
               figure(o.weeklyEquivalent) + ", is taken off the weekly rate of " + figure(r.rate) +
               ".");
    sheet.result(txtNewWeeklyRate, "New Weekly Rate", shown);
    return sheet;
}

}  // namespace

Worksheet pensionWorksheet(const CalculationLog<PensionRecord>& log) {
    return loggedWorksheet(
        "Pension Offset: how the figures were calculated", log, calculated,
        {{txtMonthlyPension, "Monthly Pension"},
         {txtEmployerPercent, "Employer %"},
         {txtRate, "Weekly Comp. Rate"}},
        "A refused Calculate changes no figure the window shows or keeps for its report.");
}

}  // namespace corvell
