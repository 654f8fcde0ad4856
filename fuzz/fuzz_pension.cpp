// The pension offset window under any script: a refused Calculate changes
// nothing, the new rate shown and kept for the report is the one the rule
// makes of the amounts as they read (worked out here: the employer's
// percentage of the monthly pension, kept to 15 significant digits, comes
// off the rate as its weekly equivalent, a month being 4.34 weeks), and
// Clear empties the fields but keeps that rate.

#include <cstdint>

#include <cmath>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/pensionmodel.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmpension;

namespace {

void check(const Fired& f) {
    const std::string what = f.describe();
    if (refusedChangingNothing(f)) {
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        expectOnlyChanged(f, {txtNewWeeklyRate}, {"NewWeeklyRate"});
        const auto rate = CDbl(f.before.text(txtRate));
        FUZZ_CHECK(rate.has_value(), "%s on the rate \"%s\"", what.c_str(),
                   f.before.text(txtRate).c_str());
        const double employerMonthly =
            Val(CStr(readNumber(f.before.text(txtMonthlyPension)) *
                     readNumber(f.before.text(txtEmployerPercent)) * 0.01));
        const double offset = employerMonthly / 4.34;
        const double newRate = *rate - offset;
        const double scale = std::fabs(*rate) + std::fabs(offset);
        expectFigure(f, txtNewWeeklyRate, newRate, scale, "$##,##0.00");
        const double kept = f.after.number("NewWeeklyRate");
        FUZZ_CHECK(nearFigure(kept, newRate, scale), "%s keeps %.17g, the rule makes it %.17g",
                   what.c_str(), kept, newRate);
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
