// The social security offset window under any script: a refused Calculate
// changes nothing, the new rate shown is the one the rule makes of the
// amounts as they read (worked out here: half the weekly equivalent of the
// monthly amount, a month being 4.34 weeks, comes off the rate, and half a
// cent is added before it is shown), and Clear empties every field.

#include <cstdint>

#include <cmath>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/socialsecuritymodel.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmsocialsecurity;

namespace {

void check(const Fired& f) {
    const std::string what = f.describe();
    if (refusedChangingNothing(f)) {
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        expectOnlyChanged(f, {txtNewRate});
        const auto monthly = CDbl(f.before.text(txtSocialSecurity));
        const auto rate = CDbl(f.before.text(txtRate));
        FUZZ_CHECK(monthly && rate, "%s on \"%s\" and \"%s\"", what.c_str(),
                   f.before.text(txtSocialSecurity).c_str(), f.before.text(txtRate).c_str());
        const double offset = *monthly / 4.34 / 2;
        expectFigure(f, txtNewRate, *rate - offset + 0.005,
                     std::fabs(*rate) + std::fabs(offset) + 0.005, "##,##0.00");
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
