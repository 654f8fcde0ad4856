// The subrogation window under any script: a refused Calculate changes
// nothing; a calculation writes the lien recovery only when a lien is given
// and shows the figures the rule makes, worked out here: the lien holder
// bears the costs in the ratio costs / total (its net recovery is the lien
// less that share, the new weekly rate the rate times the ratio), and the
// excess recovery (the total less the lien, or less an agreed net recovery)
// lasts as many whole weeks and days at the full rate as it buys whole days
// (a count a hair short of a whole day is that day); the new rate is kept for
// the report; Clear empties the fields but keeps the rate.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationmodel.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmsubrogation;

namespace {

constexpr ControlName kFields[] = {txtTotalRecovery, txtCostsAndFees, txtRate,
                                   txtLienAmount,    txtLienRecovery, txtCaseCaption,
                                   txtNewWeeklyRate, txtForWeeks};

// "155 / 3": whole weeks, " / ", a day of the week.
void checkWeeksAndDays(const std::string& shown, const std::string& what) {
    const std::size_t slash = shown.find(" / ");
    FUZZ_CHECK(slash != std::string::npos, "%s shows \"%s\" for weeks / days", what.c_str(),
               shown.c_str());
    const auto weeks = CDbl(shown.substr(0, slash));
    const auto days = CDbl(shown.substr(slash + 3));
    FUZZ_CHECK(weeks && std::isfinite(*weeks) && *weeks == Int(*weeks), "%s shows \"%s\"",
               what.c_str(), shown.c_str());
    FUZZ_CHECK(days && *days >= 0 && *days <= 6 && *days == Int(*days), "%s shows \"%s\"",
               what.c_str(), shown.c_str());
}

// The figures of a calculation, worked out from the fields as they read.
void checkFigures(const Fired& f, const std::string& what) {
    const Snapshot& b = f.before;
    const double total = readNumber(b.text(txtTotalRecovery));
    const double costs = readNumber(b.text(txtCostsAndFees));
    const double lien = readNumber(b.text(txtLienAmount));
    const double agreed = fieldNumber(b.text(txtLienRecovery)).value_or(0);
    const auto rate = CDbl(b.text(txtRate));
    FUZZ_CHECK(rate && *rate != 0 && total != 0, "%s at the rate \"%s\" on \"%s\"", what.c_str(),
               b.text(txtRate).c_str(), b.text(txtTotalRecovery).c_str());
    const double costRatio = costs / total;
    double excess = total;
    if (lien != 0) {
        const double share = lien * costRatio;
        expectFigure(f, txtLienRecovery, lien - share, std::fabs(lien) + std::fabs(share),
                     "##,###,##0.00");
        excess = total - lien;
    } else if (agreed > 0) {
        excess = total - agreed;
    }
    const double newRate = *rate * costRatio;
    expectFigure(f, txtNewWeeklyRate, newRate, newRate, "$#,##0.00");
    FUZZ_CHECK(nearFigure(f.after.number("NewWeeklyRate"), newRate, newRate),
               "%s keeps the rate %.17g, the rule makes it %.17g", what.c_str(),
               f.after.number("NewWeeklyRate"), newRate);

    // Whole weeks and the days of the week begun; a count of days on the
    // edge of a whole day may be taken either way.
    const std::string& shownPeriod = f.after.text(txtForWeeks);
    const double days = excess / *rate * 7;
    if (std::fabs(days) >= 1e15) {
        // Beyond 15 digits the days of the week are noise: the weeks alone.
        const auto weeks = CDbl(shownPeriod.substr(0, shownPeriod.find(" / ")));
        FUZZ_CHECK(weeks && nearFigure(*weeks, days / 7, days / 7),
                   "%s shows \"%s\" for %.17g days", what.c_str(), shownPeriod.c_str(), days);
        return;
    }
    const std::vector<double> choices = wholeDayChoices(days);
    std::vector<std::string> texts;
    for (const double whole : choices) {
        const double weeks = Int(whole / 7) + 0.0;  // no "-0" weeks
        texts.push_back(CStr(weeks) + " / " + CStr(std::clamp(whole - weeks * 7, 0.0, 6.0)));
    }
    FUZZ_CHECK(std::find(texts.begin(), texts.end(), shownPeriod) != texts.end(),
               "%s shows \"%s\", the rule makes it \"%s\" (%.17g days of %.17g at %.17g)",
               what.c_str(), shownPeriod.c_str(), texts.front().c_str(), days, excess, *rate);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (refusedChangingNothing(f)) {
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        const bool lienGiven = fieldNumber(f.before.text(txtLienAmount)).value_or(0) != 0;
        const std::string changed =
            lienGiven
                ? firstChange(f.before, f.after, {txtLienRecovery, txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"})
                : firstChange(f.before, f.after, {txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        checkWeeksAndDays(f.after.text(txtForWeeks), what);
        checkFigures(f, what);
    } else if (f.action.control == cmdSSClear) {
        expectEmptied(f, kFields);
        FUZZ_CHECK(f.after.number("NewWeeklyRate") == f.before.number("NewWeeklyRate"),
                   "%s reset the kept rate", what.c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SubrogationModel model;
    Window window{{{txtTotalRecovery},
                   {txtCostsAndFees},
                   {txtRate},
                   {txtLienAmount},
                   {txtLienRecovery, Shows::Number},
                   {txtCaseCaption},
                   {txtNewWeeklyRate, Shows::Number},
                   {txtForWeeks}},
                  {{cmdSSCalculate}, {cmdSSClear}, {cmdSSPrint}, {txtLienAmount, Event::LostFocus}},
                  [&model](Kept& k) { k.add("NewWeeklyRate", model.newWeeklyRate()); }};
    return runWithWorksheetCheck(model, std::move(window), cmdSSCalculate, check, data, size);
}
