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
    if (f.refused()) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        const std::string changed =
            firstChange(f.before, f.after, {txtNewWeeklyRate}, {"NewWeeklyRate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
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
        const std::string changed = firstChange(
            f.before, f.after,
            {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate, txtCaseCaption});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        for (ControlName name :
             {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate, txtCaseCaption}) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
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
    Session session(model, std::move(window), withWorksheetCheck(model, cmdSSCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
