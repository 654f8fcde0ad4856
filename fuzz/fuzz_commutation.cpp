// The commutation window under any script. A refused Calculate changes only
// what its earlier steps wrote: a valid beginning date written out and kept,
// and, when the amount is what is refused, the end date of the weeks. Past
// the weeks, the end date shown and kept is the one the rule makes, worked
// out here: weeks x 7 days (halves to the even neighbour) after the
// beginning date; a calculation shows and keeps for the report the rate the
// rule makes, the amount over the unrounded weeks. Clear empties the fields
// and keeps every value the report prints.

#include <cmath>
#include <cstdint>

#include "commutation/commutationmodel.h"
#include "commutation/frmcommutationcontrols.h"
#include "fuzz/figures.h"
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
        expectOnlyChanged(f);
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
        expectOnlyChanged(f, {txtBeginningDate}, {"BeginDate"});
        return;
    }
    // Past the weeks, the end date is shown and kept: the weeks' days after
    // the beginning date.
    const double weeks = readNumber(f.before.text(txtCommWeeks));
    const auto days = CInt(weeks * 7);
    const auto end = days ? DateAdd(*days, *begin) : std::nullopt;
    FUZZ_CHECK(end.has_value(), "%s passed %s weeks from %s", what.c_str(),
               f.before.text(txtCommWeeks).c_str(), f.before.text(txtBeginningDate).c_str());
    const std::string& endShown = f.after.text(txtComputedEndDate);
    FUZZ_CHECK(endShown == Format(*end, "MM/DD/YYYY") && f.after.number("EndDate") == end->day &&
                   f.after.number("Days") == *days,
               "%s shows the end date \"%s\" (%g days) for %s weeks; the rule makes it %s (%d "
               "days)",
               what.c_str(), endShown.c_str(), f.after.number("Days"),
               f.before.text(txtCommWeeks).c_str(), Format(*end, "MM/DD/YYYY").c_str(), *days);
    if (f.refused()) {
        FUZZ_CHECK(f.focusOn(txtCommAmount), "%s focuses elsewhere", what.c_str());
        expectOnlyChanged(f, {txtBeginningDate, txtComputedEndDate},
                          {"BeginDate", "EndDate", "Days"});
        return;
    }
    expectOnlyChanged(f, {txtBeginningDate, txtComputedEndDate, txtComputedRate},
                      {"BeginDate", "EndDate", "Days", "CommAmount", "CommRate", "Calculated"});
    FUZZ_CHECK(f.after.number("Calculated") == 1, "%s keeps no rate", what.c_str());
    const double amount = readNumber(f.before.text(txtCommAmount));
    FUZZ_CHECK(f.after.number("CommAmount") == amount, "%s keeps another amount", what.c_str());
    const double rate = amount / weeks;
    expectFigure(f, txtComputedRate, rate, rate, "##,##0.00");
    FUZZ_CHECK(nearFigure(f.after.number("CommRate"), rate, rate),
               "%s keeps the rate %.17g, the rule makes it %.17g", what.c_str(),
               f.after.number("CommRate"), rate);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdCommCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == txtBeginningDate) {
        expectKeptDateLeft(f, txtBeginningDate);
    } else if (f.action.control == cmdCommClear) {
        expectOnlyChanged(f, {txtBeginningDate, txtCommWeeks, txtCommAmount, txtComputedRate,
                              txtComputedEndDate, txtCaseCaption});
        expectEmptied(f, kFields);
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
        [&model](Kept& k) {
            k.add("BeginDate", model.values().BeginDate.day);
            k.add("EndDate", model.values().EndDate.day);
            k.add("Days", model.values().Days);
            k.add("Calculated", model.CommRate().has_value() ? 1 : 0);
            k.add("CommAmount", model.CommAmount().value_or(0));
            k.add("CommRate", model.CommRate().value_or(0));
        }};
    return runWithWorksheetCheck(model, std::move(window), cmdCommCalculate, check, data, size);
}
