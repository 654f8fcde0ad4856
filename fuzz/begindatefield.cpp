#include "fuzz/begindatefield.h"

#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"

namespace corvell::fuzz {

BeginningDate beginningDateAsRead(std::string_view typed, ControlName field) {
    if (typed.empty()) {
        return {std::nullopt,
                ExpectedRefusal{"Beginning Date is requireed for any calculation.", field}};
    }
    const std::optional<Date> date = typedDate(typed);
    if (!date) {
        return {std::nullopt, notADate(typed, field)};
    }
    return {date, std::nullopt};
}

void expectBeginningDateKept(const Fired& f, ControlName field, Date date) {
    FUZZ_CHECK(f.after.text(field) == dateText(date) && f.after.number("BeginDate") == date.day,
               "%s shows \"%s\" and keeps day %g for \"%s\", not %s", f.describe().c_str(),
               f.after.text(field).c_str(), f.after.number("BeginDate"),
               f.before.text(field).c_str(), dateText(date).c_str());
}

void expectBeginningDateLeft(const Fired& f, ControlName field) {
    const std::string completed = digitsCompleted(f.before.text(field));
    const std::optional<Date> date = completed.empty() ? std::nullopt : typedDate(completed);
    const Expected expected =
        completed.empty() || date ? Expected{} : Expected::of(notADate(completed, field));
    if (expectAnswer(f, expected) || completed.empty()) {
        FUZZ_CHECK(f.after.text(field) == completed &&
                       f.after.number("BeginDate") == f.before.number("BeginDate"),
                   "%s left \"%s\" as \"%s\", not \"%s\"", f.describe().c_str(),
                   f.before.text(field).c_str(), f.after.text(field).c_str(), completed.c_str());
        expectOnlyChanged(f, {field});
        return;
    }
    expectBeginningDateKept(f, field, *date);
    expectOnlyChanged(f, {field}, {"BeginDate"});
}

}  // namespace corvell::fuzz
