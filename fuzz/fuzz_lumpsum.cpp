// The lump sum offset window under any script: a refused Calculate leaves
// the earlier results and the rate in place (it may only write out a valid
// beginning date and keep it); a calculation shows weeks and days that add
// up to the days from the beginning date to the end date it shows; Clear
// empties the fields and the rate but keeps the beginning date.

#include <cstdint>

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

void checkCalculate(const Fired& f, const std::string& what) {
    checkBeginningDate(f, what);
    if (f.refused()) {
        const std::string changed =
            firstChange(f.before, f.after, {txtBeginningDate}, {"BeginDate"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    const std::string changed = firstChange(
        f.before, f.after,
        {txtBeginningDate, txtComputedWeeks, txtComputedDays, txtComputedEndDate, txtRemainder},
        {"BeginDate", "CompRate"});
    FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
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
    FUZZ_CHECK(f.after.number("CompRate") == FieldNumber(f.before.text(txtRate)),
               "%s keeps another rate", what.c_str());
    shown(f.after, txtRemainder);
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
        if (const auto date = CDate(f.after.text(txtBeginningDate)); date && !f.refused()) {
            FUZZ_CHECK(f.after.number("BeginDate") == date->day, "%s keeps another date",
                       what.c_str());
        }
    } else if (f.action.control == cmdCommClear) {
        for (ControlName name : kFields) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
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
        [&model] {
            Kept k;
            k.add("BeginDate", model.values().BeginDate.day);
            k.add("CompRate", model.values().CompRate);
            return k;
        }};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdCommCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
