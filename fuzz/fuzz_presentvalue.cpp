// The present value window under any script. Calculate answers as the rules
// make of the fields as they read (fuzz/reading.h), checking in the window's
// order: the From Date (written out as mm/dd/yyyy first) given and a date; a
// To Date, weeks or age given; a To Date a date and not before the From Date;
// an age a number within the life expectancy table and a gender of M or F;
// the weeks (without a To Date) a number from 0 to 4681 ending on the
// calendar; the Comp Rate a number not below zero whose total a double holds;
// and the interest rate ("6%" allowed) a number making a discount rate in
// range and a present value a double holds. Calculate stops at its first
// failed check with the fields and values as far as its earlier steps set
// them. A calculation shows and keeps the figures the rules make, worked out
// here: the weeks from the dates (days / 7), as typed, or from the life
// expectancy table at 52.25 weeks a year; the To Date the weeks' days (x 7,
// halves to even) after the From Date; the total, weeks x rate; the discount
// rate, a percentage above 0.99; and the present value, the sum of the rate
// discounted at the discount rate / 52 over each whole week. Leaving a date
// field completes digits and writes out the date; Clear keeps the interest
// rate and every kept value; Print changes nothing.

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/lifeexpectancy.h"
#include "presentvalue/presentvaluemodel.h"
#include "shell/format.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmpresentvalue;

namespace {

constexpr ControlName kClearedFields[] = {txtFromDate,  txtToDate,       txtWeeks,
                                          txtAge,       txtGender,       txtRate,
                                          txtTotalComp, txtPresentValue, txtCaseCaption};

constexpr NumberRule kWeeks{txtWeeks, "Weeks", Range::Any};
constexpr NumberRule kAge{txtAge, "Age", Range::Any};
constexpr NumberRule kRate{txtRate, "Comp Rate"};
constexpr NumberRule kInterestRate{txtInterestRate, "Interest Rate", Range::Any, true};

// What a calculation that goes through shows and keeps, as the rules make it.
struct PresentValue {
    std::string weeksText;  // what the weeks field shows
    std::string toText;     // what the To Date shows
    double weeks = 0;
    std::optional<std::int16_t> days;   // when the weeks give the period
    std::optional<std::string> gender;  // written upper-case when an age is given
    bool rateGiven = false;
    double rate = 0;
    double total = 0;
    double discountRate = 0;
    double presentValue = 0;
    double scale = 0;  // the sum of the sizes of its terms
};

// Each whole week's payment, discounted from one week out.
void discount(PresentValue& p) {
    const double factor = 1 + p.discountRate / 52;
    for (double i = 1; i <= p.weeks; ++i) {
        const double term = p.rate / std::pow(factor, i);
        p.presentValue += term;
        p.scale += std::fabs(term);
    }
}

// What Calculate must answer, and the figures of a calculation.
Expected expectedAnswer(const Snapshot& b, PresentValue& p) {
    const std::string from = dateWrittenOut(b.text(txtFromDate));
    if (from.empty()) {
        return Expected::refuse("From Date must be entered.", txtFromDate);
    }
    const std::optional<Date> fromDate = typedDate(from);
    if (!fromDate) {
        return Expected::of(notADate(from, txtFromDate));
    }
    const std::string& toTyped = b.text(txtToDate);
    const std::string& ageText = b.text(txtAge);
    if (b.text(txtWeeks).empty() && toTyped.empty() && ageText.empty()) {
        return Expected::refuse("You must enter either a To Date, Weeks or Age", std::nullopt);
    }
    const std::optional<Date> toDate = typedDate(toTyped);
    if (!toTyped.empty() && !toDate) {
        return Expected::of(notADate(toTyped, txtToDate));
    }
    if (toDate && *toDate < *fromDate) {
        return Expected::refuse("To Date cannot be before From Date.", txtToDate);
    }
    p.weeksText = b.text(txtWeeks);
    if (!ageText.empty()) {
        const FieldNumber age = fieldAsRead(kAge, ageText);
        if (age.refusal) {
            return Expected::of(age.refusal);
        }
        if (age.value > kLastTableAge) {
            return Expected::refuse(ageText + " is beyond end of age table.  Use 110 or younger.",
                                    txtAge);
        }
        if (age.value < kFirstTableAge) {
            return Expected::refuse(ageText + " is lower than age table.  Use age 1 or older.",
                                    txtAge);
        }
        p.gender = UCase(b.text(txtGender));
        if (p.gender != "M" && p.gender != "F") {
            return Expected::refuse("Gender of M or F is required", txtGender);
        }
        const auto key = CLng(age.value);  // halves to even
        const double lifeYears =
            lifeExpectancy(p.gender == "M" ? Gender::Male : Gender::Female, static_cast<int>(*key));
        p.weeksText = CStr(lifeYears * 52.25);
    }
    // A To Date wins over typed weeks and over weeks from the age.
    if (toDate) {
        p.weeks = static_cast<double>(DateDiff(*fromDate, *toDate)) / 7;
        p.weeksText = CStr(p.weeks);
        p.toText = toTyped;
    } else {
        const FieldNumber weeks = fieldAsRead(kWeeks, p.weeksText);
        if (weeks.refusal) {
            return Expected::of(weeks.refusal);
        }
        p.weeks = weeks.value;
        p.days = CInt(p.weeks * 7);  // halves to even
        if (!p.days || p.weeks < 0) {
            return Expected::refuse("Weeks must be more than 0 and at most 4681.", txtWeeks);
        }
        const auto to = DateAdd(*p.days, *fromDate);
        if (!to) {
            return Expected::refuse("Weeks put the To Date outside 01/01/100 to 12/31/9999.",
                                    txtWeeks);
        }
        p.toText = CStr(*to);
    }
    // Without a Comp Rate the rate of the last calculation stands.
    p.rate = b.number("CompRate");
    if (!b.text(txtRate).empty()) {
        const FieldNumber rate = fieldAsRead(kRate, b.text(txtRate));
        if (rate.refusal) {
            return Expected::of(rate.refusal);
        }
        p.rateGiven = true;
        p.rate = rate.value;
        p.total = p.weeks * p.rate;
        if (!std::isfinite(p.total)) {
            return Expected::refuse("Comp Rate is out of range.", txtRate);
        }
    }
    const std::string& typedRate = b.text(txtInterestRate);
    const FieldNumber interest =
        fieldAsRead(kInterestRate, typedRate.empty() ? std::string(".05") : typedRate);
    if (interest.refusal) {
        return Expected::of(interest.refusal);
    }
    // Above 0.99 the rate is a percentage.
    p.discountRate = interest.value > 0.99 ? interest.value / 100 : interest.value;
    if (p.discountRate > -1 && p.discountRate <= 0.99) {
        discount(p);
    }
    if (!(p.discountRate > -1 && p.discountRate <= 0.99) || !std::isfinite(p.presentValue)) {
        return Expected::refuse("Interest Rate is out of range.", txtInterestRate);
    }
    return {};
}

// What a Calculate refused at each field may have written before it stopped.
std::string changedBeforeRefusal(const Fired& f) {
    const auto refusedAt = [&f](std::initializer_list<ControlName> fields) {
        for (ControlName field : fields) {
            if (f.focusOn(field)) {
                return true;
            }
        }
        return false;
    };
    if (!f.reaction.focus || refusedAt({txtFromDate, txtToDate, txtAge})) {
        return firstChange(f.before, f.after, {txtFromDate});
    }
    if (refusedAt({txtGender})) {
        return firstChange(f.before, f.after, {txtFromDate, txtGender});
    }
    if (refusedAt({txtWeeks})) {
        return firstChange(f.before, f.after, {txtFromDate, txtGender, txtWeeks});
    }
    if (refusedAt({txtRate})) {
        return firstChange(f.before, f.after, {txtFromDate, txtGender, txtWeeks, txtToDate},
                           {"Weeks", "Days"});
    }
    if (refusedAt({txtInterestRate})) {
        return firstChange(
            f.before, f.after,
            {txtFromDate, txtGender, txtWeeks, txtToDate, txtTotalComp, txtInterestRate},
            {"Weeks", "Days", "CompRate", "TotalComp", "DiscountRate"});
    }
    return "the focus, sent to " + nameOf(f.reaction.focus->control);
}

// The period, the total and the present value of a calculation against
// those the rules make.
void checkFigures(const Fired& f, const PresentValue& p, const std::string& what) {
    const Snapshot& a = f.after;
    FUZZ_CHECK(!p.gender || a.text(txtGender) == *p.gender, "%s shows the gender \"%s\"",
               what.c_str(), a.text(txtGender).c_str());
    FUZZ_CHECK(a.text(txtWeeks) == p.weeksText && a.text(txtToDate) == p.toText &&
                   a.number("Weeks") == p.weeks && (!p.days || a.number("Days") == *p.days),
               "%s shows %s weeks to \"%s\" (%.17g weeks, %g days); the rules make %s weeks to "
               "\"%s\"",
               what.c_str(), a.text(txtWeeks).c_str(), a.text(txtToDate).c_str(), a.number("Weeks"),
               a.number("Days"), p.weeksText.c_str(), p.toText.c_str());
    if (p.rateGiven) {
        expectFigure(f, txtTotalComp, p.total, p.total, "#,###,##0.00");
        FUZZ_CHECK(
            a.number("CompRate") == p.rate && nearFigure(a.number("TotalComp"), p.total, p.total),
            "%s keeps %.17g at %.17g, the rule makes %.17g", what.c_str(), a.number("TotalComp"),
            a.number("CompRate"), p.total);
    }
    FUZZ_CHECK(a.text(txtInterestRate) == Str(p.discountRate) &&
                   a.number("DiscountRate") == p.discountRate,
               "%s shows the discount \"%s\" for \"%s\"", what.c_str(),
               a.text(txtInterestRate).c_str(), f.before.text(txtInterestRate).c_str());
    expectFigure(f, txtPresentValue, p.presentValue, p.scale, "#,###,##0.00");
    FUZZ_CHECK(nearFigure(a.number("PresentValue"), p.presentValue, p.scale),
               "%s keeps the present value %.17g, the rule makes it %.17g", what.c_str(),
               a.number("PresentValue"), p.presentValue);
}

void checkCalculate(const Fired& f, const std::string& what) {
    // The From Date is written out first, whatever follows.
    const std::string from = dateWrittenOut(f.before.text(txtFromDate));
    FUZZ_CHECK(f.after.text(txtFromDate) == from, "%s shows the From Date \"%s\" for \"%s\"",
               what.c_str(), f.after.text(txtFromDate).c_str(), f.before.text(txtFromDate).c_str());
    PresentValue p;
    if (expectAnswer(f, expectedAnswer(f.before, p))) {
        const std::string changed = changedBeforeRefusal(f);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    checkFigures(f, p, what);
    if (p.rateGiven) {
        expectOnlyChanged(
            f,
            {txtFromDate, txtGender, txtWeeks, txtToDate, txtTotalComp, txtInterestRate,
             txtPresentValue},
            {"Weeks", "Days", "CompRate", "TotalComp", "DiscountRate", "PresentValue"});
    } else {
        // Without a Comp Rate the rate and total of the last calculation stay.
        const std::string changed = firstChange(
            f.before, f.after,
            {txtFromDate, txtGender, txtWeeks, txtToDate, txtInterestRate, txtPresentValue},
            {"Weeks", "Days", "DiscountRate", "PresentValue"});
        FUZZ_CHECK(changed.empty(), "%s without a Comp Rate changed %s", what.c_str(),
                   changed.c_str());
    }
}

// Leaving the From Date or the To Date: digits completed, then a date
// written out; other text is refused as completed (the To Date written out
// first). A To Date moves on to the rate.
void checkDateLeft(const Fired& f) {
    const ControlName field = f.action.control;
    const std::string completed = digitsCompleted(f.before.text(field));
    const std::string shown = field == txtToDate ? dateWrittenOut(completed) : completed;
    const bool date = typedDate(shown).has_value();
    const Expected expected =
        shown.empty() || date ? Expected{} : Expected::of(notADate(shown, field));
    if (!expectAnswer(f, expected) && date) {
        FUZZ_CHECK(f.after.text(field) == dateWrittenOut(shown),
                   "%s wrote \"%s\" for \"%s\", not \"%s\"", f.describe().c_str(),
                   f.after.text(field).c_str(), f.before.text(field).c_str(),
                   dateWrittenOut(shown).c_str());
        FUZZ_CHECK(field == txtFromDate || f.focusOn(txtRate), "%s stays", f.describe().c_str());
        return;
    }
    FUZZ_CHECK(f.after.text(field) == shown, "%s left \"%s\" as \"%s\", not \"%s\"",
               f.describe().c_str(), f.before.text(field).c_str(), f.after.text(field).c_str(),
               shown.c_str());
}

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.action.control == cmdPVCalculate) {
        checkCalculate(f, what);
    } else if (f.action.control == cmdPVClear) {
        expectOnlyChanged(f, {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate,
                              txtTotalComp, txtPresentValue, txtCaseCaption});
        expectEmptied(f, kClearedFields);
    } else if (f.action.event == Event::LostFocus || f.action.event == Event::Change) {
        // Leaving or typing re-writes that one field at most.
        expectOnlyChanged(f, {f.action.control});
        if (f.action.event == Event::LostFocus &&
            (f.action.control == txtFromDate || f.action.control == txtToDate)) {
            checkDateLeft(f);
        } else if (f.action.event == Event::LostFocus && f.action.control == txtRate) {
            expectRateFieldLeft(f, kRate);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PresentValueModel model;
    Window window{{{txtFromDate, Shows::Date},
                   {txtToDate, Shows::Date},
                   {txtWeeks, Shows::Number},
                   {txtAge},
                   {txtGender},
                   {txtRate, Shows::Number},
                   {txtInterestRate, Shows::Number},
                   {txtCaseCaption},
                   {txtTotalComp, Shows::Number},
                   {txtPresentValue, Shows::Number}},
                  {{cmdPVCalculate},
                   {cmdPVClear},
                   {cmdPVPrint},
                   {txtFromDate, Event::LostFocus},
                   {txtToDate, Event::LostFocus},
                   {txtRate, Event::LostFocus},
                   {txtWeeks, Event::LostFocus}},
                  [&model](Kept& k) {
                      k.add("Weeks", model.values().Weeks);
                      k.add("Days", model.values().Days);
                      k.add("CompRate", model.values().CompRate);
                      k.add("TotalComp", model.values().TotalComp);
                      k.add("DiscountRate", model.discountRate());
                      k.add("PresentValue", model.presentValue());
                  }};
    return runWithWorksheetCheck(model, std::move(window), cmdPVCalculate, check, data, size);
}
