#include "subrogation/frmsubrogationworksheet.h"

#include <cmath>
#include <string>

#include "shell/daycount.h"
#include "shell/format.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"

namespace corvell {

using namespace frmsubrogation;

namespace {

// The whole days the excess recovery pays, as the window counts them.
void wholeDaysOf(Worksheet& sheet, const WeeksAndDays& p) {
    wholeDays(sheet, p.rawDays, p.wholeDays);
    if (p.wholeDays == Int(p.rawDays) && figure(p.wholeDays) != figure(p.rawDays)) {
        sheet.rule("Only whole days count: " + figure(p.rawDays) + " days give " +
                   figure(p.wholeDays) + " whole days.");
    }
}

// The whole weeks and the days of the week begun.
void weeksAndDays(Worksheet& sheet, const WeeksAndDays& p) {
    sheet.step("Weeks", {Int(Keyed(p.wholeDays) / 7), p.weeks});
    const double left = p.wholeDays - kDaysPerWeek * p.weeks;
    if (left == static_cast<double>(p.days)) {
        sheet.step("Days", {Keyed(p.wholeDays) - Keyed(p.weeks) * 7, static_cast<double>(p.days)});
    } else {
        sheet.text("Days: " + std::to_string(p.days));
        sheet.rule(
            "Beyond 15 significant digits the days left after the whole weeks are the "
            "computer's noise (" +
            figure(left) + "); they are kept to a day of the week, " + std::to_string(p.days) +
            ".");
    }
}

Worksheet calculated(const SubrogationRecord& r) {
    const SubrogationAmounts& a = r.amounts;
    const SubrogationDistribution& d = r.distribution;
    Worksheet sheet("Subrogation");
    sheet.inputs({{"Total Recovery", r.totalText, figure(a.total)},
                  {"Costs and Fees", r.costsText, figure(a.costs)},
                  {"Weekly Comp. Rate", r.rateText, figure(a.rate)},
                  {"Lien Amount", r.lienText, figure(a.lien)}});
    if (a.lien == 0) {
        sheet.text(readAs("Lien Recovery (an agreed net recovery)", r.agreedText,
                          figure(a.agreedRecovery)));
    } else {
        sheet.text("Lien Recovery: not read, since a lien is given; it is worked out below");
    }
    sheet.constantsThenSteps(
        {"7: days in a week", kRoundingRule,
         "Rounding inside the calculation: the Whole days step keeps only the whole days the "
         "excess recovery pays at the full rate; the Weeks step takes the whole weeks of them "
         "and the Days step the days left over."});
    sheet.step("Cost ratio", {Keyed(a.costs) / a.total, d.costRatio});
    sheet.rule(
        "The lien holder bears its share of the costs of recovery in the ratio of the "
        "costs to the total recovery, " +
        figure(a.costs) + " to " + figure(a.total) + ".");
    std::string lienShown;
    if (d.lienRecovery) {
        lienShown = Format(*d.lienRecovery, kLienRecoveryPattern);
        sheet.step("Lien Recovery", {Keyed(a.lien) - Keyed(a.lien) * d.costRatio}, *d.lienRecovery,
                   lienShown);
        sheet.rule("The Lien Recovery is what the lien holder keeps of its lien of " +
                   figure(a.lien) + " once it has borne " + figure(d.costRatio) +
                   " of it as its share of the costs.");
    }
    switch (d.excessFrom) {
        case SubrogationDistribution::Excess::LessLien:
            sheet.step("Excess recovery", {Keyed(a.total) - a.lien, d.excessRecovery});
            sheet.rule(
                "The excess recovery is what the total recovery leaves the claimant once "
                "the lien of " +
                figure(a.lien) + " is repaid.");
            break;
        case SubrogationDistribution::Excess::LessAgreed:
            sheet.step("Excess recovery", {Keyed(a.total) - a.agreedRecovery, d.excessRecovery});
            sheet.rule("With no lien given, the agreed net recovery of " +
                       figure(a.agreedRecovery) +
                       " typed as Lien Recovery is taken from the total recovery.");
            break;
        case SubrogationDistribution::Excess::Whole:
            sheet.text("Excess recovery: the whole total recovery, " + figure(d.excessRecovery));
            sheet.rule(
                "With neither a lien nor an agreed net recovery, the whole total recovery is "
                "the excess recovery.");
            break;
    }
    const std::string rateShown = Format(d.newWeeklyRate, kSubrogationRatePattern);
    sheet.step("New Weekly Rate", {Keyed(a.rate) * d.costRatio}, d.newWeeklyRate, rateShown);
    const WeeksAndDays& p = d.period;
    const std::string weeks = CStr(p.weeks);
    const std::string days = std::to_string(p.days);
    sheet.rule(
        "The New Weekly Rate is the reduced rate the payer still owes each week while the "
        "claimant's excess recovery of " +
        figure(d.excessRecovery) +
        " stands in for compensation: the payer's share of the costs of recovery, the "
        "weekly rate of " +
        figure(a.rate) + " times the ratio of costs to total recovery, " + figure(d.costRatio) +
        ", for as long as the excess recovery lasts at the full rate, " +
        counted(p.weeks, "week", "weeks") + " and " + counted(p.days, "day", "days") + ".");
    sheet.step("Days the excess recovery lasts at the full rate",
               {Keyed(7) * d.excessRecovery / a.rate, p.rawDays});
    wholeDaysOf(sheet, p);
    weeksAndDays(sheet, p);
    if (d.lienRecovery) {
        sheet.result(txtLienRecovery, "Lien Recovery", lienShown);
    }
    sheet.result(txtNewWeeklyRate, "New Weekly Rate", rateShown);
    sheet.result(txtForWeeks, "For Weeks / Days", weeks + " / " + days);
    return sheet;
}

}  // namespace

Worksheet subrogationWorksheet(const CalculationLog<SubrogationRecord>& log) {
    return loggedWorksheet(
        "Subrogation: how the figures were calculated", log, calculated,
        {{txtTotalRecovery, "Total Recovery"},
         {txtCostsAndFees, "Costs and Fees"},
         {txtRate, "Weekly Comp. Rate"},
         {txtLienAmount, "Lien Amount"},
         {txtLienRecovery, "Lien Recovery"}},
        "A refused Calculate changes no figure the window shows or keeps for its report.");
}

}  // namespace corvell
