// The lump sum offset window under any script: Calculate answers as the rules
// make of the fields as they read (fuzz/reading.h), checking in the window's
// order: the beginning date given and a date (then written out and kept,
// whatever a later check says), the rate and the amount given, the rate a
// number not below zero and not 0, the amount a number not below zero, and
// an end on the calendar. A refused Calculate leaves the earlier results and
// the rate in place; a calculation shows the weeks, days, end date and
// remainder the rule makes of the amount and the rate, worked out here: the
// amount buys whole days at the weekly rate over 7 (a count a hair short of a
// whole day is that day), shown as weeks and days, from the beginning date as
// the first day, with what is left over as the remainder. Leaving the
// beginning date completes digits and keeps the date; Clear empties the
// fields and the rate but keeps the beginning date.

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "fuzz/begindatefield.h"
#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
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

constexpr NumberRule kRate{txtRate, "Rate"};
constexpr NumberRule kAmount{txtNetOffsetAmount, "Net Offset Amount"};

// The fields as a Calculate that got past its first check read them.
struct Offset {
    std::optional<Date> begin;
    double rate = 0;
    double amount = 0;
    std::vector<double> dayChoices;  // the whole days the amount may buy
};

// Where the last day of an offset of `totalDays` days falls.
enum class End { OnCalendar, AfterLastDate, BeforeFirstDate };

End endOf(Date begin, double totalDays) {
    const double lastDay = begin.day + totalDays - 1;
    if (std::isnan(lastDay) || lastDay > kLastDate.day) {
        return End::AfterLastDate;
    }
    return lastDay < kFirstDate.day ? End::BeforeFirstDate : End::OnCalendar;
}

ExpectedRefusal offEnd(End end) {
    return ExpectedRefusal{end == End::AfterLastDate
                               ? "The offset would end after 12/31/9999. Please check the Net "
                                 "Offset Amount and the Rate."
                               : "The offset would end before 01/01/0100. Please check the Net "
                                 "Offset Amount and the Rate.",
                           txtNetOffsetAmount};
}

// What Calculate must answer, and what it read.
Expected expectedAnswer(const Snapshot& b, Offset& o) {
    const BeginningDate begin = beginningDateAsRead(b.text(txtBeginningDate), txtBeginningDate);
    if (begin.refusal) {
        return Expected::of(begin.refusal);
    }
    o.begin = begin.date;
    if (isBlank(b.text(txtRate))) {
        return Expected::refuse("Rate is required for any calculation.", txtRate);
    }
    if (isBlank(b.text(txtNetOffsetAmount))) {
        return Expected::refuse("Net Offset Amount is required for any calculation.",
                                txtNetOffsetAmount);
    }
    const FieldNumber rate = fieldAsRead(kRate, b.text(txtRate));
    if (rate.refusal) {
        return Expected::of(rate.refusal);
    }
    if (rate.value == 0) {
        return Expected::refuse("Rate must be greater than 0.", txtRate);
    }
    const FieldNumber amount = fieldAsRead(kAmount, b.text(txtNetOffsetAmount));
    if (amount.refusal) {
        return Expected::of(amount.refusal);
    }
    o.rate = rate.value;
    o.amount = amount.value;
    // A count of days on the edge of a whole day may be taken either way,
    // and so may the end of the calendar it reaches.
    o.dayChoices = wholeDayChoices(o.amount / o.rate * 7);
    Expected expected;
    bool onCalendar = false;
    for (const double days : o.dayChoices) {
        const End end = endOf(*o.begin, days);
        if (end == End::OnCalendar) {
            onCalendar = true;
        } else {
            expected.orRefusal = offEnd(end);
        }
    }
    if (!onCalendar) {
        std::swap(expected.refusal, expected.orRefusal);
    }
    return expected;
}

// The figures of a calculation, as one of the whole counts of days makes them.
void checkFigures(const Fired& f, const Offset& o, const std::string& what) {
    FUZZ_CHECK(f.after.number("CompRate") == o.rate, "%s keeps the rate %.17g", what.c_str(),
               f.after.number("CompRate"));
    const Snapshot& a = f.after;
    for (const double totalDays : o.dayChoices) {
        if (endOf(*o.begin, totalDays) != End::OnCalendar) {
            continue;
        }
        const double weeks = Int(totalDays / 7);
        const double days = totalDays - weeks * 7;
        const auto end = DateAdd(static_cast<std::int64_t>(totalDays) - 1, *o.begin);
        const double paid = totalDays * (o.rate / 7);
        if (end && a.text(txtComputedWeeks) == CStr(weeks) &&
            a.text(txtComputedDays) == CStr(days) && a.text(txtComputedEndDate) == dateText(*end) &&
            showsFigure(a.text(txtRemainder), o.amount - paid,
                        std::fabs(o.amount) + std::fabs(paid), "$##0.00")) {
            return;
        }
    }
    const double totalDays = o.dayChoices.front();
    FUZZ_CHECK(false,
               "%s shows %s weeks %s days to %s and %s left; the rule makes %.17g days of %s at %s "
               "(remainder %.17g)",
               what.c_str(), a.text(txtComputedWeeks).c_str(), a.text(txtComputedDays).c_str(),
               a.text(txtComputedEndDate).c_str(), a.text(txtRemainder).c_str(), totalDays,
               f.before.text(txtNetOffsetAmount).c_str(), f.before.text(txtRate).c_str(),
               o.amount - totalDays * (o.rate / 7));
}

void checkCalculate(const Fired& f, const std::string& what) {
    Offset o;
    const bool refused = expectAnswer(f, expectedAnswer(f.before, o));
    if (o.begin) {
        expectBeginningDateKept(f, txtBeginningDate, *o.begin);
    }
    if (refused && !o.begin) {
        expectOnlyChanged(f);
        return;
    }
    if (refused) {
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
    const auto end = typedDate(f.after.text(txtComputedEndDate));
    FUZZ_CHECK(end && static_cast<double>(DateDiff(*o.begin, *end) + 1) == weeks * 7 + days,
               "%s: %s weeks %s days from %s end on %s", what.c_str(),
               f.after.text(txtComputedWeeks).c_str(), f.after.text(txtComputedDays).c_str(),
               f.after.text(txtBeginningDate).c_str(), f.after.text(txtComputedEndDate).c_str());
    checkFigures(f, o, what);
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdCommCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == txtBeginningDate) {
        expectBeginningDateLeft(f, txtBeginningDate);
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
