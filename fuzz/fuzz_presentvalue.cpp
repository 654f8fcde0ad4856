// The present value window under any script. Calculate stops at its first
// failed check with the fields and values as far as its earlier steps set
// them, so a refusal changes only what the steps before it write: never the
// present value, and the rate, total and discount only when the discount is
// what is refused. A calculation shows the present value and total it keeps
// and the discount rate it used. Clear keeps the interest rate and every
// kept value; Print changes nothing.

#include <cstdint>
#include <initializer_list>

#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/presentvaluemodel.h"
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

void checkCalculate(const Fired& f, const std::string& what) {
    if (f.refused()) {
        const std::string changed = changedBeforeRefusal(f);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    const double presentValue = f.after.number("PresentValue");
    FUZZ_CHECK(showsValue(shown(f.after, txtPresentValue), presentValue, 2),
               "%s shows %s for %.17g", what.c_str(), f.after.text(txtPresentValue).c_str(),
               presentValue);
    FUZZ_CHECK(f.after.text(txtInterestRate) == Str(f.after.number("DiscountRate")),
               "%s shows the discount \"%s\"", what.c_str(), f.after.text(txtInterestRate).c_str());
    if (!f.before.text(txtRate).empty()) {
        const std::string changed =
            firstChange(f.before, f.after,
                        {txtFromDate, txtGender, txtWeeks, txtToDate, txtTotalComp, txtInterestRate,
                         txtPresentValue},
                        {"Weeks", "Days", "CompRate", "TotalComp", "DiscountRate", "PresentValue"});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        const double total = f.after.number("TotalComp");
        FUZZ_CHECK(showsValue(shown(f.after, txtTotalComp), total, 2), "%s shows %s for %.17g",
                   what.c_str(), f.after.text(txtTotalComp).c_str(), total);
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
        const std::string changed =
            firstChange(f.before, f.after,
                        {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate, txtTotalComp,
                         txtPresentValue, txtCaseCaption});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        for (ControlName name : kClearedFields) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
    } else if (f.action.event == Event::LostFocus || f.action.event == Event::Change) {
        // Leaving or typing re-writes that one field at most.
        const std::string changed = firstChange(f.before, f.after, {f.action.control});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
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
                  [&model] {
                      Kept k;
                      k.add("Weeks", model.values().Weeks);
                      k.add("Days", model.values().Days);
                      k.add("CompRate", model.values().CompRate);
                      k.add("TotalComp", model.values().TotalComp);
                      k.add("DiscountRate", model.discountRate());
                      k.add("PresentValue", model.presentValue());
                      return k;
                  }};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdPVCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
