// The subrogation window under any script: Calculate answers as the rules
// make of the fields as they read (fuzz/reading.h), checking in the window's
// order: the rate given, the total a number not below zero and given, the
// rate a number not below zero and given, the costs, the lien and (without a
// lien) the agreed lien recovery numbers not below zero, figures a double
// holds, then no lien recovery below zero (costs above the total) and no
// excess recovery below zero (a lien or an agreed recovery above the total).
// A refused Calculate changes nothing; a calculation writes the lien
// recovery only when a lien is given and shows the figures the rule makes,
// worked out here: the lien holder bears the costs in the ratio costs / total
// (its net recovery is the lien less that share, the new weekly rate the
// rate times the ratio), and the excess recovery (the total less the lien,
// or less an agreed net recovery) lasts as many whole weeks and days at the
// full rate as it buys whole days, 7 x excess / rate (a count a hair short
// of a whole day is that day); the new rate is kept for the report; Clear
// empties the fields but keeps the rate.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/finiteness.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "shell/format.h"
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

constexpr NumberRule kTotal{txtTotalRecovery, "Total Recovery"};
constexpr NumberRule kCosts{txtCostsAndFees, "Costs and Fees"};
constexpr NumberRule kRate{txtRate, "Weekly Comp. Rate"};
constexpr NumberRule kLien{txtLienAmount, "Lien Amount"};
constexpr NumberRule kAgreed{txtLienRecovery, "Lien Recovery"};

// The amounts as they read and the figures the rule makes of them.
struct Distribution {
    double total = 0;
    double costs = 0;
    double rate = 0;
    double lien = 0;
    double agreed = 0;  // read only without a lien
    double lienRecovery = 0;
    double share = 0;  // of the costs, the lien holder's
    double excess = 0;
    double newRate = 0;
    double days = 0;  // that the excess recovery pays
};

std::string money(double amount) {
    return Format(amount, "#,##0.00");
}

// A lien recovery or excess recovery below zero cannot be paid.
std::optional<ExpectedRefusal> impossible(const Distribution& d) {
    if (d.lien != 0 && d.lienRecovery < 0) {
        return ExpectedRefusal{"The Costs and Fees of " + money(d.costs) +
                                   " are larger than the Total Recovery of " + money(d.total) +
                                   ": the lien holder would recover less than nothing.",
                               txtCostsAndFees};
    }
    if (d.excess < 0) {
        const bool lien = d.lien != 0;
        return ExpectedRefusal{std::string(lien ? "The Lien Amount of " : "The Lien Recovery of ") +
                                   money(lien ? d.lien : d.agreed) +
                                   " is larger than the Total Recovery of " + money(d.total) +
                                   ": no recovery is left to stand for weekly compensation.",
                               lien ? txtLienAmount : txtLienRecovery};
    }
    return std::nullopt;
}

// What Calculate must answer, and the figures it must show when it goes
// through.
Expected expectedAnswer(const Snapshot& b, Distribution& d) {
    if (isBlank(b.text(txtRate))) {
        return Expected::refuse("Rate is required for any calculation.", txtRate);
    }
    const FieldNumber total = fieldAsRead(kTotal, b.text(txtTotalRecovery));
    if (total.refusal) {
        return Expected::of(total.refusal);
    }
    if (total.value == 0) {
        return Expected::refuse("Total Recovery is required for any calculation.",
                                txtTotalRecovery);
    }
    const FieldNumber rate = fieldAsRead(kRate, b.text(txtRate));
    if (rate.refusal) {
        return Expected::of(rate.refusal);
    }
    if (rate.value == 0) {
        return Expected::refuse("Rate must be greater than 0.", txtRate);
    }
    const FieldNumber costs = fieldAsRead(kCosts, b.text(txtCostsAndFees));
    if (costs.refusal) {
        return Expected::of(costs.refusal);
    }
    const FieldNumber lien = fieldAsRead(kLien, b.text(txtLienAmount));
    if (lien.refusal) {
        return Expected::of(lien.refusal);
    }
    d.total = total.value;
    d.costs = costs.value;
    d.rate = rate.value;
    d.lien = lien.value;
    // With a lien the lien recovery is worked out, whatever the field holds.
    if (d.lien == 0) {
        const FieldNumber agreed = fieldAsRead(kAgreed, b.text(txtLienRecovery));
        if (agreed.refusal) {
            return Expected::of(agreed.refusal);
        }
        d.agreed = agreed.value;
    }
    const double ratio = d.costs / d.total;
    d.excess = d.total;
    if (d.lien != 0) {
        d.share = d.lien * ratio;
        d.lienRecovery = d.lien - d.share;
        d.excess = d.total - d.lien;
    } else if (d.agreed > 0) {
        d.excess = d.total - d.agreed;
    }
    d.newRate = d.rate * ratio;
    d.days = 7 * d.excess / d.rate;

    const long double wideRatio = static_cast<long double>(d.costs) / d.total;
    const long double wideShare = d.lien * wideRatio;
    const long double wideDays = 7.0L * d.excess / d.rate;
    const ExpectedRefusal tooLarge{"These amounts are too large or too small to calculate.",
                                   txtTotalRecovery};
    Expected next;
    switch (finiteness({d.rate * wideRatio, wideDays, d.lien - wideShare},
                       {wideRatio, wideShare, 7.0L * d.excess, d.excess / d.rate,
                        static_cast<long double>(d.rate) * d.costs})) {
        case Finite::Never:
            return Expected::of(tooLarge);
        case Finite::EitherWay:
            next.orRefusal = tooLarge;
            break;
        case Finite::Surely:
            break;
    }
    next.refusal = impossible(d);
    return next;
}

// "155 / 3": whole weeks, " / ", a day of the week.
void checkWeeksAndDays(const std::string& shown, const std::string& what) {
    const std::size_t slash = shown.find(" / ");
    FUZZ_CHECK(slash != std::string::npos, "%s shows \"%s\" for weeks / days", what.c_str(),
               shown.c_str());
    const auto weeks = wholeTextNumber(shown.substr(0, slash));
    const auto days = wholeTextNumber(shown.substr(slash + 3));
    FUZZ_CHECK(weeks && *weeks == Int(*weeks), "%s shows \"%s\"", what.c_str(), shown.c_str());
    FUZZ_CHECK(days && *days >= 0 && *days <= 6 && *days == Int(*days), "%s shows \"%s\"",
               what.c_str(), shown.c_str());
}

// The figures of a calculation against those the rule makes.
void checkFigures(const Fired& f, const Distribution& d, const std::string& what) {
    if (d.lien != 0) {
        expectFigure(f, txtLienRecovery, d.lienRecovery, std::fabs(d.lien) + std::fabs(d.share),
                     "##,###,##0.00");
    }
    expectFigure(f, txtNewWeeklyRate, d.newRate, d.newRate, "$#,##0.00");
    FUZZ_CHECK(nearFigure(f.after.number("NewWeeklyRate"), d.newRate, d.newRate),
               "%s keeps the rate %.17g, the rule makes it %.17g", what.c_str(),
               f.after.number("NewWeeklyRate"), d.newRate);

    // Whole weeks and the days of the week begun; a count of days on the
    // edge of a whole day may be taken either way.
    const std::string& shownPeriod = f.after.text(txtForWeeks);
    if (std::fabs(d.days) >= 1e15) {
        // Beyond 15 digits the days of the week are noise: the weeks alone.
        const auto weeks = wholeTextNumber(shownPeriod.substr(0, shownPeriod.find(" / ")));
        FUZZ_CHECK(weeks && nearFigure(*weeks, d.days / 7, d.days / 7),
                   "%s shows \"%s\" for %.17g days", what.c_str(), shownPeriod.c_str(), d.days);
        return;
    }
    const std::vector<double> choices = wholeDayChoices(d.days);
    std::vector<std::string> texts;
    for (const double whole : choices) {
        const double weeks = Int(whole / 7) + 0.0;  // no "-0" weeks
        texts.push_back(CStr(weeks) + " / " + CStr(std::clamp(whole - weeks * 7, 0.0, 6.0)));
    }
    FUZZ_CHECK(std::find(texts.begin(), texts.end(), shownPeriod) != texts.end(),
               "%s shows \"%s\", the rule makes it \"%s\" (%.17g days of %.17g at %.17g)",
               what.c_str(), shownPeriod.c_str(), texts.front().c_str(), d.days, d.excess, d.rate);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdSSCalculate) {
        Distribution d;
        if (expectAnswer(f, expectedAnswer(f.before, d))) {
            expectOnlyChanged(f);
            return;
        }
        const std::string changed =
            d.lien != 0
                ? firstChange(f.before, f.after, {txtLienRecovery, txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"})
                : firstChange(f.before, f.after, {txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        checkWeeksAndDays(f.after.text(txtForWeeks), what);
        checkFigures(f, d, what);
    } else if (f.action.control == txtLienAmount) {
        // With a lien typed the lien recovery is worked out: the focus skips it.
        expectOnlyChanged(f);
        FUZZ_CHECK(
            f.focusOn(txtCaseCaption) == !f.before.text(txtLienAmount).empty() && !f.refused(),
            "%s sends the focus elsewhere", what.c_str());
    } else if (refusedChangingNothing(f)) {
        return;
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
