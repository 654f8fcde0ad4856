// The present value window under any script. Calculate stops at its first
// failed check with the fields and values as far as its earlier steps set
// them, so a refusal changes only what the steps before it write: never the
// present value, and the rate, total and discount only when the discount is
// what is refused. A calculation shows and keeps the figures the rules make,
// worked out here: the weeks from the dates (days / 7), as typed, or from the
// life expectancy table at 52.25 weeks a year; the To Date the weeks' days
// (x 7, halves to even) after the From Date; the total, weeks x rate; the
// discount rate, a percentage above 0.99; and the present value, the sum of
// the rate discounted at the discount rate / 52 over each whole week. Clear
// keeps the interest rate and every kept value; Print changes nothing.

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
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

// The period, the total and the present value of a calculation, worked out
// from the fields as they read.
void checkFigures(const Fired& f, const std::string& what) {
    const Snapshot& b = f.before;
    const Snapshot& a = f.after;
    const auto from = CDate(Format(b.text(txtFromDate), "mm/dd/yyyy"));
    FUZZ_CHECK(from.has_value(), "%s from \"%s\"", what.c_str(), b.text(txtFromDate).c_str());
    std::string weeksText = b.text(txtWeeks);
    if (!b.text(txtAge).empty()) {
        const std::string gender = UCase(b.text(txtGender));
        const auto age = CLng(readNumber(b.text(txtAge)));  // halves to even
        FUZZ_CHECK(age && *age >= kFirstTableAge && *age <= kLastTableAge &&
                       (gender == "M" || gender == "F") && a.text(txtGender) == gender,
                   "%s at the age \"%s\" of \"%s\"", what.c_str(), b.text(txtAge).c_str(),
                   b.text(txtGender).c_str());
        const double lifeYears =
            lifeExpectancy(gender == "M" ? Gender::Male : Gender::Female, *age);
        weeksText = CStr(lifeYears * 52.25);
    }
    double weeks = 0;
    if (!b.text(txtToDate).empty()) {
        const auto to = CDate(b.text(txtToDate));
        FUZZ_CHECK(to.has_value(), "%s to \"%s\"", what.c_str(), b.text(txtToDate).c_str());
        weeks = static_cast<double>(DateDiff(*from, *to)) / 7;
        FUZZ_CHECK(a.text(txtToDate) == b.text(txtToDate) && a.text(txtWeeks) == CStr(weeks),
                   "%s shows %s weeks to \"%s\", the rule makes %.17g weeks", what.c_str(),
                   a.text(txtWeeks).c_str(), a.text(txtToDate).c_str(), weeks);
    } else {
        weeks = readNumber(weeksText);
        const auto days = CInt(weeks * 7);  // halves to even
        const auto to = days ? DateAdd(*days, *from) : std::nullopt;
        FUZZ_CHECK(to.has_value(), "%s passed %s weeks", what.c_str(), weeksText.c_str());
        FUZZ_CHECK(a.text(txtWeeks) == weeksText && a.text(txtToDate) == CStr(*to) &&
                       a.number("Days") == *days,
                   "%s shows %s weeks to \"%s\" (%g days); the rule makes %s weeks to %s",
                   what.c_str(), a.text(txtWeeks).c_str(), a.text(txtToDate).c_str(),
                   a.number("Days"), weeksText.c_str(), CStr(*to).c_str());
    }
    FUZZ_CHECK(a.number("Weeks") == weeks, "%s keeps %.17g weeks, the rule makes %.17g",
               what.c_str(), a.number("Weeks"), weeks);

    // Without a Comp Rate the rate of the last calculation stands.
    double rate = b.number("CompRate");
    if (!b.text(txtRate).empty()) {
        rate = readNumber(b.text(txtRate));
        const double total = weeks * rate;
        expectFigure(f, txtTotalComp, total, total, "#,###,##0.00");
        FUZZ_CHECK(a.number("CompRate") == rate && nearFigure(a.number("TotalComp"), total, total),
                   "%s keeps %.17g at %.17g, the rule makes %.17g", what.c_str(),
                   a.number("TotalComp"), a.number("CompRate"), total);
    }

    const std::string& typedRate = b.text(txtInterestRate);
    double discountRate = readNumber(typedRate.empty() ? ".05" : typedRate);
    if (discountRate > 0.99) {
        discountRate /= 100;  // a percentage
    }
    FUZZ_CHECK(
        a.text(txtInterestRate) == Str(discountRate) && a.number("DiscountRate") == discountRate,
        "%s shows the discount \"%s\" for \"%s\"", what.c_str(), a.text(txtInterestRate).c_str(),
        typedRate.c_str());

    // Each whole week's payment, discounted from one week out.
    const double factor = 1 + discountRate / 52;
    double presentValue = 0;
    double scale = 0;
    for (double i = 1; i <= weeks; ++i) {
        const double term = rate / std::pow(factor, i);
        presentValue += term;
        scale += std::fabs(term);
    }
    expectFigure(f, txtPresentValue, presentValue, scale, "#,###,##0.00");
    FUZZ_CHECK(nearFigure(a.number("PresentValue"), presentValue, scale),
               "%s keeps the present value %.17g, the rule makes it %.17g", what.c_str(),
               a.number("PresentValue"), presentValue);
}

void checkCalculate(const Fired& f, const std::string& what) {
    if (f.refused()) {
        const std::string changed = changedBeforeRefusal(f);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    checkFigures(f, what);
    if (!f.before.text(txtRate).empty()) {
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
