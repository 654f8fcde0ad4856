#include "interest/ledgerentry.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "shell/format.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

LedgerEntry makeLedgerEntry(const CalculationValues& values, const EntryFigures& figures) {
    LedgerEntry e;
    e.BeginText = Format(values.BeginDate, "mm/dd/yyyy");
    e.EndText = Format(values.EndDate, "mm/dd/yyyy");
    // Day 0 means no payment date; days before it are real (if unlikely) dates.
    e.PayDateText = values.PaymentDate != kNoDate ? Format(values.PaymentDate, "mm/dd/yyyy")
                                                  : std::string(kNoPayDateText);
    e.PayAmountText = Format(figures.PaymentAmount, "#,###,###.00");
    e.WeeksText = Format(values.Weeks, "#,###");
    e.DaysText = Format(figures.PartWeekDays, "#####");
    e.RateText = Format(values.CompRate, "#,###.00");
    e.CompText = Format(values.TotalComp, "##,###,###.00");
    e.AccruedText = Format(figures.AccruedInterest, "##,###.00");
    e.SimpleText = Format(figures.SimpleInterest, "##,###.00");
    e.TotalText = Format(figures.TotalAmount, "##,###,###.00");
    e.TotalDaysText = figures.TotalDays;
    e.SimpleDaysText = CStr(figures.SimpleDays);
    e.PayAmount = figures.PaymentAmount;
    e.SimpleAmount = figures.SimpleInterest;
    e.AccruedAmount = figures.AccruedInterest;
    e.CompAmount = values.TotalComp;
    e.TotalAmountValue = figures.TotalAmount;
    e.RateValue = values.CompRate;
    e.EndDateValue = values.EndDate;
    return e;
}

nlohmann::json saveFigures(const EntryFigures& f) {
    return {{"PartWeekDays", f.PartWeekDays},       {"TotalDays", f.TotalDays},
            {"PaymentAmount", f.PaymentAmount},     {"SimpleDays", f.SimpleDays},
            {"AccruedInterest", f.AccruedInterest}, {"SimpleInterest", f.SimpleInterest},
            {"TotalAmount", f.TotalAmount}};
}

EntryFigures loadFigures(const StateReader& saved) {
    saved.expectMembers({"PartWeekDays", "TotalDays", "PaymentAmount", "SimpleDays",
                         "AccruedInterest", "SimpleInterest", "TotalAmount"});
    EntryFigures f;
    f.PartWeekDays = saved["PartWeekDays"].number();
    f.TotalDays = saved["TotalDays"].text();
    f.PaymentAmount = saved["PaymentAmount"].number();
    f.SimpleDays = saved["SimpleDays"].number();
    f.AccruedInterest = saved["AccruedInterest"].number();
    f.SimpleInterest = saved["SimpleInterest"].number();
    f.TotalAmount = saved["TotalAmount"].number();
    return f;
}

namespace {

// What the entry was made from. Its texts show these values whole (dates,
// whole weeks, days and day counts), and its amounts are kept unrounded.
void sourceOf(const LedgerEntry& e, CalculationValues& v, EntryFigures& f) {
    v.BeginDate = CDate(e.BeginText).value_or(kNoDate);
    v.EndDate = e.EndDateValue;
    v.PaymentDate = e.hasPaymentDate() ? CDate(e.PayDateText).value_or(kNoDate) : kNoDate;
    v.Weeks = CDbl(e.WeeksText).value_or(0);
    v.CompRate = e.RateValue;
    v.TotalComp = e.CompAmount;
    f.PartWeekDays = CDbl(e.DaysText).value_or(0);
    f.TotalDays = e.TotalDaysText;
    f.PaymentAmount = e.PayAmount;
    f.SimpleDays = CDbl(e.SimpleDaysText).value_or(0);
    f.AccruedInterest = e.AccruedAmount;
    f.SimpleInterest = e.SimpleAmount;
    f.TotalAmount = e.TotalAmountValue;
}

}  // namespace

nlohmann::json saveEntry(const LedgerEntry& entry) {
    CalculationValues v;
    EntryFigures f;
    sourceOf(entry, v, f);
    if (makeLedgerEntry(v, f) != entry) {
        throw std::logic_error("a ledger entry that no Save made: " + entry.BeginText);
    }
    nlohmann::json saved = saveFigures(f);
    saved["BeginDate"] = dateJson(v.BeginDate);
    saved["EndDate"] = dateJson(v.EndDate);
    saved["PaymentDate"] = dateJson(v.PaymentDate);
    saved["Weeks"] = v.Weeks;
    saved["CompRate"] = v.CompRate;
    saved["TotalComp"] = v.TotalComp;
    return saved;
}

LedgerEntry loadEntry(const StateReader& saved) {
    saved.expectMembers({"BeginDate", "EndDate", "PaymentDate", "Weeks", "CompRate", "TotalComp",
                         "PartWeekDays", "TotalDays", "PaymentAmount", "SimpleDays",
                         "AccruedInterest", "SimpleInterest", "TotalAmount"});
    CalculationValues v;
    v.BeginDate = saved["BeginDate"].date();
    v.EndDate = saved["EndDate"].date();
    v.PaymentDate = saved["PaymentDate"].date();
    if (v.BeginDate == kNoDate || v.EndDate == kNoDate || v.EndDate < v.BeginDate) {
        saved.fail("does not run from a beginning date to a later or equal ending date");
    }
    v.Weeks = saved["Weeks"].whole(0, 1'000'000);
    v.CompRate = saved["CompRate"].number();
    v.TotalComp = saved["TotalComp"].number();
    // The figures without the two members the values above cover.
    nlohmann::json figures = saved.json();
    for (const char* key :
         {"BeginDate", "EndDate", "PaymentDate", "Weeks", "CompRate", "TotalComp"}) {
        figures.erase(key);
    }
    EntryFigures f = loadFigures(StateReader(figures, saved.path()));
    if (f.PartWeekDays < 0 || f.PartWeekDays > 6 ||
        f.PartWeekDays != static_cast<int>(f.PartWeekDays)) {
        saved["PartWeekDays"].fail("is not a whole number from 0 to 6");
    }
    return makeLedgerEntry(v, f);
}

}  // namespace corvell
