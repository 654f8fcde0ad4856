// The pension offset window under any script: Calculate answers as the rules
// make of the fields as they read (fuzz/reading.h), checking in the window's
// order: the monthly pension a number not below zero, the employer's
// percentage a number from 0 to 100 ("60%" allowed), the rate given and a
// number not below zero, figures a double holds, and an offset no larger than
// the rate. A refused Calculate changes nothing; the new rate shown and kept
// for the report is the one the rule makes (worked out here: the employer's
// percentage of the monthly pension, kept to 15 significant digits, comes off
// the rate as its weekly equivalent, a month being 4.34 weeks). Leaving the
// rate writes it out with two decimals, and Clear empties the fields but
// keeps the new rate.

#include <cstdint>
#include <cstdio>

#include <cmath>

#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/finiteness.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/pensionmodel.h"
#include "shell/format.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmpension;

namespace {

constexpr NumberRule kPension{txtMonthlyPension, "Monthly Pension"};
constexpr NumberRule kPercent{txtEmployerPercent, "Employer %", Range::Percentage, true};
constexpr NumberRule kRate{txtRate, "Weekly Comp. Rate"};

struct Offset {
    double rate = 0;
    double weekly = 0;  // the weekly equivalent of the employer's part
    double newRate = 0;
};

// The amount to 15 significant digits, as written out and read back.
double fifteenDigits(double amount) {
    char written[64];
    std::snprintf(written, sizeof written, "%.14e", amount);
    return wholeTextNumber(written).value_or(amount);
}

// What Calculate must answer, and the figures it must show when it goes
// through.
Expected expectedAnswer(const Snapshot& b, Offset& o) {
    const FieldNumber pension = fieldAsRead(kPension, b.text(txtMonthlyPension));
    if (pension.refusal) {
        return Expected::of(pension.refusal);
    }
    const FieldNumber percent = fieldAsRead(kPercent, b.text(txtEmployerPercent));
    if (percent.refusal) {
        return Expected::of(percent.refusal);
    }
    if (isBlank(b.text(txtRate))) {
        return Expected::refuse("Rate is required for any calculation.", txtRate);
    }
    const FieldNumber rate = fieldAsRead(kRate, b.text(txtRate));
    if (rate.refusal) {
        return Expected::of(rate.refusal);
    }
    o.rate = rate.value;
    // The employer's part: pension x percent x 0.01.
    const double share = pension.value * percent.value * 0.01;
    o.weekly = std::isfinite(share) ? fifteenDigits(share) / 4.34 : share;
    o.newRate = o.rate - o.weekly;
    const auto wide = static_cast<long double>(pension.value) * percent.value;
    const ExpectedRefusal tooLarge{"The amounts entered are too large to calculate.",
                                   txtMonthlyPension};
    Expected next;
    switch (finiteness({wide / 100}, {wide, wide / 434})) {
        case Finite::Never:
            return Expected::of(tooLarge);
        case Finite::EitherWay:
            next.orRefusal = tooLarge;
            if (!std::isfinite(o.newRate)) {
                return Expected::of(tooLarge);
            }
            break;
        case Finite::Surely:
            break;
    }
    if (o.newRate < 0) {
        next.refusal =
            ExpectedRefusal{"The offset of " + Format(o.weekly, "#,##0.00") +
                                " a week is larger than the weekly rate of " +
                                Format(o.rate, "#,##0.00") + ": no compensation remains.",
                            txtMonthlyPension};
    }
    return next;
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdSSCalculate) {
        Offset o;
        if (expectAnswer(f, expectedAnswer(f.before, o))) {
            expectOnlyChanged(f);
            return;
        }
        expectOnlyChanged(f, {txtNewWeeklyRate}, {"NewWeeklyRate"});
        const double scale = std::fabs(o.rate) + std::fabs(o.weekly);
        expectFigure(f, txtNewWeeklyRate, o.newRate, scale, "$##,##0.00");
        const double kept = f.after.number("NewWeeklyRate");
        FUZZ_CHECK(nearFigure(kept, o.newRate, scale), "%s keeps %.17g, the rule makes it %.17g",
                   what.c_str(), kept, o.newRate);
    } else if (f.action.control == txtRate && f.action.event == Event::LostFocus) {
        expectRateFieldLeft(f, kRate);
        expectOnlyChanged(f, {txtRate});
    } else if (refusedChangingNothing(f)) {
        return;
    } else if (f.action.control == cmdSSClear) {
        expectOnlyChanged(
            f, {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate, txtCaseCaption});
        expectEmptied(
            f, {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate, txtCaseCaption});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PensionModel model;
    Window window{{{txtMonthlyPension},
                   {txtEmployerPercent},
                   {txtRate, Shows::Number},
                   {txtCaseCaption},
                   {txtNewWeeklyRate, Shows::Number}},
                  {{cmdSSCalculate}, {cmdSSClear}, {cmdSSPrint}, {txtRate, Event::LostFocus}},
                  [&model](Kept& k) { k.add("NewWeeklyRate", model.newWeeklyRate()); }};
    return runWithWorksheetCheck(model, std::move(window), cmdSSCalculate, check, data, size);
}
