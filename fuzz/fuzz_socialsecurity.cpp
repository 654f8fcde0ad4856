// The social security offset window under any script: Calculate answers as
// the rules make of the fields as they read (fuzz/reading.h), checking in the
// window's order: the monthly amount a number not below zero and given, the
// rate a number not below zero and given, and an offset no larger than the
// rate. A refused Calculate changes nothing; the new rate shown is the one the
// rule makes (worked out here: half the weekly equivalent of the monthly
// amount, a month being 4.34 weeks, comes off the rate, and half a cent is
// added before it is shown). Leaving the rate writes it out with two
// decimals, and Clear empties every field.

#include <cstdint>

#include <cmath>

#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/socialsecuritymodel.h"
#include "shell/format.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmsocialsecurity;

namespace {

constexpr NumberRule kMonthly{txtSocialSecurity, "Net Social Security Amount"};
constexpr NumberRule kRate{txtRate, "Weekly Comp. Rate"};

struct Offset {
    double rate = 0;
    double offset = 0;  // half the weekly equivalent of the monthly amount
    double newRate = 0;
};

// What Calculate must answer, and the figures it must show when it goes
// through.
Expected expectedAnswer(const Snapshot& b, Offset& o) {
    const FieldNumber monthly = fieldAsRead(kMonthly, b.text(txtSocialSecurity));
    if (monthly.refusal) {
        return Expected::of(monthly.refusal);
    }
    if (monthly.value == 0) {
        return Expected::refuse("Please enter monthly social security payment received",
                                txtSocialSecurity);
    }
    const FieldNumber rate = fieldAsRead(kRate, b.text(txtRate));
    if (rate.refusal) {
        return Expected::of(rate.refusal);
    }
    if (rate.value == 0) {
        return Expected::refuse("Please enter weekly compensation rate before adjustment", txtRate);
    }
    o.rate = rate.value;
    o.offset = monthly.value / 4.34 / 2;
    o.newRate = o.rate - o.offset + 0.005;
    if (!std::isfinite(o.newRate)) {
        return Expected::refuse("The amounts entered are too large to calculate.",
                                txtSocialSecurity);
    }
    if (o.newRate < 0) {
        return Expected::refuse("The offset of " + Format(o.offset, "#,##0.00") +
                                    " a week is larger than the weekly rate of " +
                                    Format(o.rate, "#,##0.00") + ": no compensation remains.",
                                txtSocialSecurity);
    }
    return {};
}

void check(const Fired& f) {
    if (f.action.control == cmdSSCalculate) {
        Offset o;
        if (expectAnswer(f, expectedAnswer(f.before, o))) {
            expectOnlyChanged(f);
            return;
        }
        expectOnlyChanged(f, {txtNewRate});
        expectFigure(f, txtNewRate, o.newRate, std::fabs(o.rate) + std::fabs(o.offset) + 0.005,
                     "##,##0.00");
    } else if (f.action.control == txtRate && f.action.event == Event::LostFocus) {
        expectRateFieldLeft(f, kRate);
        expectOnlyChanged(f, {txtRate});
    } else if (refusedChangingNothing(f)) {
        return;
    } else if (f.action.control == cmdSSClear) {
        expectEmptied(f, {txtSocialSecurity, txtRate, txtNewRate, txtCaseCaption});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SocialSecurityModel model;
    Window window{{{txtSocialSecurity},
                   {txtRate, Shows::Number},
                   {txtCaseCaption},
                   {txtNewRate, Shows::Number}},
                  {{cmdSSCalculate}, {cmdSSClear}, {cmdSSPrint}, {txtRate, Event::LostFocus}},
                  {}};
    return runWithWorksheetCheck(model, std::move(window), cmdSSCalculate, check, data, size);
}
