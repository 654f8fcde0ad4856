// The subrogation window under any script: a refused Calculate changes
// nothing; a calculation shows the rate it keeps for the report, whole weeks
// and a day of the week in "weeks / days", and writes the lien recovery only
// when a lien is given; Clear empties the fields but keeps the rate.

#include <cmath>
#include <cstdint>

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

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.refused()) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        const bool lienGiven = FieldNumber(f.before.text(txtLienAmount)) != 0;
        const std::string changed =
            lienGiven
                ? firstChange(f.before, f.after, {txtLienRecovery, txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"})
                : firstChange(f.before, f.after, {txtNewWeeklyRate, txtForWeeks},
                              {"NewWeeklyRate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        const double kept = f.after.number("NewWeeklyRate");
        FUZZ_CHECK(showsValue(shown(f.after, txtNewWeeklyRate), kept, 2),
                   "%s shows %s and keeps %.17g", what.c_str(),
                   f.after.text(txtNewWeeklyRate).c_str(), kept);
        checkWeeksAndDays(f.after.text(txtForWeeks), what);
    } else if (f.action.control == cmdSSClear) {
        for (ControlName name : kFields) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
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
                  [&model] {
                      Kept k;
                      k.add("NewWeeklyRate", model.NewWeeklyRate());
                      return k;
                  }};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdSSCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
