// The commutation window under any script: Calculate answers as the rules
// make of the fields as they read (fuzz/reading.h), checking in the window's
// order: the beginning date given and a date, the weeks given, a number, more
// than 0 and at most 4681 and ending on the calendar, then the amount given,
// a number not below zero, and a rate a double holds. A refused Calculate
// changes only what its earlier steps wrote: a valid beginning date written
// out and kept, and, past the weeks, the end date of the weeks, worked out
// here: weeks x 7 days (halves to the even neighbour) after the beginning
// date. A calculation shows and keeps for the report the rate the rule
// makes, the amount over the unrounded weeks. Leaving the beginning date
// completes digits and keeps the date; Clear empties the fields and keeps
// every value the report prints.

#include <cmath>
#include <cstdint>

#include "commutation/commutationmodel.h"
#include "commutation/frmcommutationcontrols.h"
#include "fuzz/begindatefield.h"
#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
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

constexpr NumberRule kWeeks{txtCommWeeks, "Commuted Weeks", Range::Any};
constexpr NumberRule kAmount{txtCommAmount, "Commutation Amount"};

// How far a Calculate got, and what it read.
struct Commutation {
    std::optional<Date> begin;  // past the beginning date
    std::optional<Date> end;    // past the weeks
    double weeks = 0;
    std::int16_t days = 0;
    double amount = 0;
    double rate = 0;
};

Expected expectedAnswer(const Snapshot& b, Commutation& c) {
    const BeginningDate begin = beginningDateAsRead(b.text(txtBeginningDate), txtBeginningDate);
    if (begin.refusal) {
        return Expected::of(begin.refusal);
    }
    c.begin = begin.date;
    if (b.text(txtCommWeeks).empty()) {
        return Expected::refuse("Commuted Weeks is a required entry", txtCommWeeks);
    }
    const FieldNumber weeks = fieldAsRead(kWeeks, b.text(txtCommWeeks));
    if (weeks.refusal) {
        return Expected::of(weeks.refusal);
    }
    c.weeks = weeks.value;
    const auto days = CInt(c.weeks * 7);  // halves to even
    if (!(c.weeks > 0) || !days || *days < 0) {
        return Expected::refuse("Commuted Weeks must be more than 0 and at most 4681.",
                                txtCommWeeks);
    }
    const auto end = DateAdd(*days, *c.begin);
    if (!end) {
        return Expected::refuse(
            "The payments would end after 12/31/9999. Enter fewer Comm Weeks or an earlier "
            "Beginning Date.",
            txtCommWeeks);
    }
    c.days = *days;
    c.end = end;
    if (b.text(txtCommAmount).empty()) {
        return Expected::refuse("Commuted Amount is a required entry", txtCommAmount);
    }
    const FieldNumber amount = fieldAsRead(kAmount, b.text(txtCommAmount));
    if (amount.refusal) {
        return Expected::of(amount.refusal);
    }
    c.amount = amount.value;
    c.rate = c.amount / c.weeks;
    if (!std::isfinite(c.rate)) {
        return Expected::refuse("Commutation Amount is too large for so few Comm Weeks.",
                                txtCommAmount);
    }
    return {};
}

void checkCalculate(const Fired& f, const std::string& what) {
    Commutation c;
    const bool refused = expectAnswer(f, expectedAnswer(f.before, c));
    if (!c.begin) {
        expectOnlyChanged(f);
        return;
    }
    expectBeginningDateKept(f, txtBeginningDate, *c.begin);
    if (!c.end) {
        expectOnlyChanged(f, {txtBeginningDate}, {"BeginDate"});
        return;
    }
    // Past the weeks, the end date is shown and kept: the weeks' days after
    // the beginning date.
    const std::string& endShown = f.after.text(txtComputedEndDate);
    FUZZ_CHECK(endShown == dateText(*c.end) && f.after.number("EndDate") == c.end->day &&
                   f.after.number("Days") == c.days,
               "%s shows the end date \"%s\" (%g days) for %s weeks; the rule makes it %s (%d "
               "days)",
               what.c_str(), endShown.c_str(), f.after.number("Days"),
               f.before.text(txtCommWeeks).c_str(), dateText(*c.end).c_str(), c.days);
    if (refused) {
        expectOnlyChanged(f, {txtBeginningDate, txtComputedEndDate},
                          {"BeginDate", "EndDate", "Days"});
        return;
    }
    expectOnlyChanged(f, {txtBeginningDate, txtComputedEndDate, txtComputedRate},
                      {"BeginDate", "EndDate", "Days", "CommAmount", "CommRate", "Calculated"});
    FUZZ_CHECK(f.after.number("Calculated") == 1, "%s keeps no rate", what.c_str());
    FUZZ_CHECK(f.after.number("CommAmount") == c.amount, "%s keeps another amount", what.c_str());
    expectFigure(f, txtComputedRate, c.rate, c.rate, "##,##0.00");
    FUZZ_CHECK(nearFigure(f.after.number("CommRate"), c.rate, c.rate),
               "%s keeps the rate %.17g, the rule makes it %.17g", what.c_str(),
               f.after.number("CommRate"), c.rate);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdCommCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == txtBeginningDate) {
        expectBeginningDateLeft(f, txtBeginningDate);
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
