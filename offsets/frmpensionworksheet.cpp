#include "offsets/frmpensionworksheet.h"

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
        sheet.rule("An empty pension or percentage counts as 0, which leaves the rate as it is.");
    }
    sheet.constantsThenSteps(
        {"0.01: turns the employer's percentage into a fraction",
         "4.34: weeks in a month, turning the monthly amount into a weekly one"});
    sheet.text("Employer-funded monthly amount = " + figure(r.pension) + " x " + figure(r.percent) +
               " x 0.01 = " + figure(o.employerMonthly));
    sheet.rule(
        "The employer-funded monthly amount is kept to 15 significant digits, as if written out "
        "and read back.");
    sheet.text("Weekly equivalent = " + figure(o.employerMonthly) +
               " / 4.34 = " + figure(o.weeklyEquivalent));
    const std::string shown = Format(o.newRate, kPensionRatePattern);
    sheet.text("New Weekly Rate = " + figure(r.rate) + " - " + figure(o.weeklyEquivalent) + " = " +
               figure(o.newRate) + ", shown " + shown);
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
