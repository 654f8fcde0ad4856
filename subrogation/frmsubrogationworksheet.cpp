#include "subrogation/frmsubrogationworksheet.h"

#include "shell/daycount.h"
#include "shell/format.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"

namespace corvell {

using namespace frmsubrogation;

namespace {

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
    sheet.constantsThenSteps({"7: days in a week"});
    sheet.text("Cost ratio = " + figure(a.costs) + " / " + figure(a.total) + " = " +
               figure(d.costRatio));
    sheet.rule(
        "The lien holder bears its share of the costs of recovery in the ratio costs / "
        "total.");
    std::string lienShown;
    if (d.lienRecovery) {
        lienShown = Format(*d.lienRecovery, kLienRecoveryPattern);
        sheet.text("Lien Recovery = " + figure(a.lien) + " - " + figure(a.lien) + " x " +
                   figure(d.costRatio) + " = " + figure(*d.lienRecovery) + ", shown " + lienShown);
    }
    switch (d.excessFrom) {
        case SubrogationDistribution::Excess::LessLien:
            sheet.text("Excess recovery = " + figure(a.total) + " - " + figure(a.lien) + " = " +
                       figure(d.excessRecovery));
            break;
        case SubrogationDistribution::Excess::LessAgreed:
            sheet.text("Excess recovery = " + figure(a.total) + " - " + figure(a.agreedRecovery) +
                       " = " + figure(d.excessRecovery));
            sheet.rule(
                "With no lien given, the agreed net recovery typed as Lien Recovery is "
                "taken from the total.");
            break;
        case SubrogationDistribution::Excess::Whole:
            sheet.text("Excess recovery = the whole total = " + figure(d.excessRecovery));
            sheet.rule(
                "With neither a lien nor an agreed net recovery, the whole total is the "
                "excess recovery.");
            break;
    }
    const std::string rateShown = Format(d.newWeeklyRate, kSubrogationRatePattern);
    sheet.text("New Weekly Rate = " + figure(a.rate) + " x " + figure(d.costRatio) + " = " +
               figure(d.newWeeklyRate) + ", shown " + rateShown);
    const WeeksAndDays& p = d.period;
    sheet.text("Days at the full rate = 7 x " + figure(d.excessRecovery) + " / " + figure(a.rate) +
               " = " + figure(p.rawDays) + ", whole days " + figure(p.wholeDays));
    if (p.wholeDays != Int(p.rawDays)) {
        sheet.rule(
            "A count of days a hair short of a whole number (within a millionth of a millionth "
            "of it) is that whole number, so " +
            exactFigure(p.rawDays) + " counts as " + figure(p.wholeDays) + " whole days.");
    }
    const std::string weeks = CStr(p.weeks);
    const std::string days = std::to_string(p.days);
    sheet.text("Weeks = Int(" + figure(p.wholeDays) + " / 7) = " + weeks +
               "; days = " + figure(p.wholeDays) + " - " + weeks + " x 7 = " + days);
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
