// The lump sum offset window under any script: a refused Calculate leaves
// the earlier results and the rate in place (it may only write out a valid
// beginning date and keep it); a calculation shows the weeks, days, end date
// and remainder the rule makes of the amount and the rate, worked out here:
// the amount buys whole days at the weekly rate over 7 (a count a hair short
// of a whole day is that day), shown as weeks and days, from the beginning
// date as the first day, with what is left over as the remainder; Clear
// empties the fields and the rate but keeps the beginning date.

#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/lumpsummodel.h"
#include "shell/format.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmoffset;

namespace {

constexpr ControlName kFields[] = {txtBeginningDate,   txtRate,          txtNetOffsetAmount,
                                   txtCaseCaption,     txtComputedWeeks, txtComputedDays,
                                   txtComputedEndDate, txtRemainder};

// Calculate writes a valid beginning date out as mm/dd/yyyy and keeps it,
// whether or not a later check refuses.
void checkBeginningDate(const Fired& f, const std::string& what) {
    const std::string& typed = f.before.text(txtBeginningDate);
    const std::string& shown = f.after.text(txtBeginningDate);
    if (shown == typed && f.after.number("BeginDate") == f.before.number("BeginDate")) {
        return;
    }
    const auto date = CDate(typed);
    FUZZ_CHECK(date.has_value(), "%s changed the beginning date \"%s\"", what.c_str(),
               typed.c_str());
    FUZZ_CHECK(shown == Format(*date, "mm/dd/yyyy"), "%s shows \"%s\" for \"%s\"", what.c_str(),
               shown.c_str(), typed.c_str());
    FUZZ_CHECK(f.after.number("BeginDate") == date->day, "%s keeps another beginning date",
               what.c_str());
}

// The figures of a calculation, worked out from the fields as they read.
void checkFigures(const Fired& f, const std::string& what) {
    const double rate = readNumber(f.before.text(txtRate));
    const auto amount = CDbl(f.before.text(txtNetOffsetAmount));
    const auto begin = CDate(f.before.text(txtBeginningDate));
    FUZZ_CHECK(amount && begin && rate != 0, "%s on %s at %s from %s", what.c_str(),
               f.before.text(txtNetOffsetAmount).c_str(), f.before.text(txtRate).c_str(),
               f.before.text(txtBeginningDate).c_str());
    FUZZ_CHECK(f.after.number("CompRate") == rate, "%s keeps the rate %.17g", what.c_str(),
               f.after.number("CompRate"));
    const Snapshot& a = f.after;
    // A count of days on the edge of a whole day may be taken either way:
    // each whole count makes its own weeks, days, end date and remainder.
    const std::vector<double> choices = wholeDayChoices(*amount / rate * 7);
    for (const double totalDays : choices) {
        const double weeks = Int(totalDays / 7);
        const double days = totalDays - weeks * 7;
        // The calendar spans fewer than four million days.
        const auto end = std::fabs(totalDays) < 1e7
                             ? DateAdd(static_cast<std::int64_t>(totalDays) - 1, *begin)
                             : std::nullopt;
        const double paid = totalDays * (rate / 7);
        if (end && a.text(txtComputedWeeks) == CStr(weeks) &&
            a.text(txtComputedDays) == CStr(days) &&
            a.text(txtComputedEndDate) == Format(*end, "mm/dd/yyyy") &&
            showsFigure(a.text(txtRemainder), *amount - paid, std::fabs(*amount) + std::fabs(paid),
                        "$##0.00")) {
            return;
        }
    }
    const double totalDays = choices.front();
    FUZZ_CHECK(false,
               "%s shows %s weeks %s days to %s and %s left; the rule makes %.17g days of %s at %s "
               "(remainder %.17g)",
               what.c_str(), a.text(txtComputedWeeks).c_str(), a.text(txtComputedDays).c_str(),
               a.text(txtComputedEndDate).c_str(), a.text(txtRemainder).c_str(), totalDays,
               f.before.text(txtNetOffsetAmount).c_str(), f.before.text(txtRate).c_str(),
               *amount - totalDays * (rate / 7));
}

void checkCalculate(const Fired& f, const std::string& what) {
    checkBeginningDate(f, what);
    if (f.refused()) {
        expectOnlyChanged(f, {txtBeginningDate}, {"BeginDate"});
        return;
    }
    expectOnlyChanged(
        f, {txtBeginningDate, txtComputedWeeks, txtComputedDays, txtComputedEndDate, txtRemainder},
        {"BeginDate", "CompRate"});
    const double weeks = shown(f.after, txtComputedWeeks);
    const double days = shown(f.after, txtComputedDays);
    FUZZ_CHECK(weeks == Int(weeks) && days == Int(days) && days >= 0 && days <= 6,
               "%s shows %s weeks and %s days", what.c_str(),
               f.after.text(txtComputedWeeks).c_str(), f.after.text(txtComputedDays).c_str());
    const auto begin = CDate(f.after.text(txtBeginningDate));
    const auto end = CDate(f.after.text(txtComputedEndDate));
    FUZZ_CHECK(begin && end, "%s shows the dates \"%s\" and \"%s\"", what.c_str(),
               f.after.text(txtBeginningDate).c_str(), f.after.text(txtComputedEndDate).c_str());
    FUZZ_CHECK(static_cast<double>(DateDiff(*begin, *end) + 1) == weeks * 7 + days,
               "%s: %s weeks %s days from %s end on %s", what.c_str(),
               f.after.text(txtComputedWeeks).c_str(), f.after.text(txtComputedDays).c_str(),
               f.after.text(txtBeginningDate).c_str(), f.after.text(txtComputedEndDate).c_str());
    checkFigures(f, what);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdCommCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == txtBeginningDate) {
        expectKeptDateLeft(f, txtBeginningDate);
        if (const auto date = CDate(f.after.text(txtBeginningDate)); date && !f.refused()) {
            FUZZ_CHECK(f.after.number("BeginDate") == date->day, "%s keeps another date",
                       what.c_str());
        }
    } else if (f.action.control == cmdCommClear) {
        expectEmptied(f, kFields);
        FUZZ_CHECK(f.after.number("CompRate") == 0, "%s kept the rate", what.c_str());
        FUZZ_CHECK(f.after.number("BeginDate") == f.before.number("BeginDate"),
                   "%s changed the kept beginning date", what.c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LumpSumModel model;
    Window window{
        {{txtBeginningDate, Shows::Date},
         {txtRate},
         {txtNetOffsetAmount},
         {txtCaseCaption},
         {txtComputedWeeks, Shows::Number},
         {txtComputedDays, Shows::Number},
         {txtComputedEndDate, Shows::Date},
         {txtRemainder, Shows::Number}},
        {{cmdCommCalculate}, {cmdCommClear}, {cmdCommPrint}, {txtBeginningDate, Event::LostFocus}},
        [&model](Kept& k) {
            k.add("BeginDate", model.values().BeginDate.day);
            k.add("CompRate", model.values().CompRate);
        }};
    return runWithWorksheetCheck(model, std::move(window), cmdCommCalculate, check, data, size);
}
