// The pension offset window under any script: a refused Calculate changes
// nothing, the new rate shown is the rate the window keeps for its report,
// and Clear empties the fields but keeps that rate.

#include <cstdint>

#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/pensionmodel.h"

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
        const double kept = f.after.number("NewWeeklyRate");
        FUZZ_CHECK(showsValue(shown(f.after, txtNewWeeklyRate), kept, 2),
                   "%s shows %s and keeps %.17g", what.c_str(),
                   f.after.text(txtNewWeeklyRate).c_str(), kept);
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
                  [&model] {
                      Kept k;
                      k.add("NewWeeklyRate", model.newWeeklyRate());
                      return k;
                  }};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdSSCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
