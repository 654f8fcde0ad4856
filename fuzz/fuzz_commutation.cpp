// The commutation window under any script. A refused Calculate changes only
// what its earlier steps wrote: a valid beginning date written out and kept,
// and, when the amount is what is refused, the end date of the weeks. A
// calculation shows the rate it keeps for the report and the end date that
// lies its days after the beginning date. Clear empties the fields and
// keeps every value the report prints.

#include <cstdint>

#include "commutation/commutationmodel.h"
#include "commutation/frmcommutationcontrols.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "shell/format.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmcommutation;

namespace {

constexpr ControlName kFields[] = {txtBeginningDate, txtCommWeeks,       txtCommAmount,
                                   txtComputedRate,  txtComputedEndDate, txtCaseCaption};

void checkCalculate(const Fired& f, const std::string& what) {
    if (f.refused() && f.focusOn(txtBeginningDate)) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    // Past the beginning date check, the date is written out and kept.
    const auto begin = CDate(f.before.text(txtBeginningDate));
    FUZZ_CHECK(begin.has_value(), "%s passed \"%s\"", what.c_str(),
               f.before.text(txtBeginningDate).c_str());
    FUZZ_CHECK(f.after.text(txtBeginningDate) == Format(*begin, "mm/dd/yyyy") &&
                   f.after.number("BeginDate") == begin->day,
               "%s shows \"%s\" for \"%s\"", what.c_str(), f.after.text(txtBeginningDate).c_str(),
               f.before.text(txtBeginningDate).c_str());
    if (f.refused() && f.focusOn(txtCommWeeks)) {
        const std::string changed =
            firstChange(f.before, f.after, {txtBeginningDate}, {"BeginDate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    // Past the weeks, the end date is shown and kept.
    const std::string& endShown = f.after.text(txtComputedEndDate);
    FUZZ_CHECK(endShown ==
                   Format(Date{static_cast<std::int32_t>(f.after.number("EndDate"))}, "MM/DD/YYYY"),
               "%s shows the end date \"%s\"", what.c_str(), endShown.c_str());
    FUZZ_CHECK(f.after.number("EndDate") - f.after.number("BeginDate") == f.after.number("Days"),
               "%s ends %g days after the beginning, not %g", what.c_str(),
               f.after.number("EndDate") - f.after.number("BeginDate"), f.after.number("Days"));
    if (f.refused()) {
        FUZZ_CHECK(f.focusOn(txtCommAmount), "%s focuses elsewhere", what.c_str());
        const std::string changed =
            firstChange(f.before, f.after, {txtBeginningDate, txtComputedEndDate},
                        {"BeginDate", "EndDate", "Days"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    const std::string changed =
        firstChange(f.before, f.after, {txtBeginningDate, txtComputedEndDate, txtComputedRate},
                    {"BeginDate", "EndDate", "Days", "CommAmount", "CommRate", "Calculated"});
    FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
    FUZZ_CHECK(f.after.number("Calculated") == 1, "%s keeps no rate", what.c_str());
    FUZZ_CHECK(f.after.number("CommAmount") == FieldNumber(f.before.text(txtCommAmount)),
               "%s keeps another amount", what.c_str());
    const double rate = f.after.number("CommRate");
    FUZZ_CHECK(showsValue(shown(f.after, txtComputedRate), rate, 2), "%s shows %s for %.17g",
               what.c_str(), f.after.text(txtComputedRate).c_str(), rate);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdCommCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == txtBeginningDate) {
        const std::string changed =
            f.refused() ? firstChange(f.before, f.after, {txtBeginningDate})
                        : firstChange(f.before, f.after, {txtBeginningDate}, {"BeginDate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
    } else if (f.action.control == cmdCommClear) {
        const std::string changed =
            firstChange(f.before, f.after,
                        {txtBeginningDate, txtCommWeeks, txtCommAmount, txtComputedRate,
                         txtComputedEndDate, txtCaseCaption});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        for (ControlName name : kFields) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CommutationModel model;
    Window window{
        {{txtBeginningDate, Shows::Date},
         {txtCommWeeks},
         {txtCommAmount},
         {txtCaseCaption},
         {txtComputedRate, Shows::Number},
         {txtComputedEndDate, Shows::Date}},
        {{cmdCommCalculate}, {cmdCommClear}, {cmdCommPrint}, {txtBeginningDate, Event::LostFocus}},
        [&model] {
            Kept k;
            k.add("BeginDate", model.values().BeginDate.day);
            k.add("EndDate", model.values().EndDate.day);
            k.add("Days", model.values().Days);
            k.add("Calculated", model.CommRate().has_value() ? 1 : 0);
            k.add("CommAmount", model.CommAmount().value_or(0));
            k.add("CommRate", model.CommRate().value_or(0));
            return k;
        }};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdCommCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
