#include "interest/calculationrecord.h"

#include <nlohmann/json.hpp>

#include "interest/calculationformcontrols.h"
#include "shell/format.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

EntryFigures figuresOf(const Calculation& c) {
    EntryFigures f;
    f.PartWeekDays = c.period.PartWeekDays;
    f.TotalDays = c.period.TotalDays;
    f.PaymentAmount = c.PaymentAmount;
    f.SimpleDays = c.interest.SimpleDays;
    f.AccruedInterest = c.interest.AccruedInterest;
    f.SimpleInterest = c.interest.SimpleInterest;
    f.TotalAmount = c.interest.TotalAmount;
    return f;
}

LedgerEntry entryOf(const Calculation& c) {
    CalculationValues v;
    v.BeginDate = c.BeginDate;
    v.EndDate = c.EndDate;
    v.PaymentDate = c.PaymentDate;
    v.Weeks = c.period.Weeks;
    v.CompRate = c.period.CompRate;
    v.TotalComp = c.period.TotalComp;
    return makeLedgerEntry(v, figuresOf(c));
}

std::vector<ShownField> shownFields(const Calculation& c) {
    using namespace calculationform;
    const auto money = [](double amount) { return Format(amount, "#,###,##0.00"); };
    std::vector<ShownField> shown;
    if (c.endingDateFromWeeks) {
        shown.push_back({txtEndingDate, "Ending Date", Format(c.EndDate, "mm/dd/yyyy")});
    }
    shown.push_back({txtTotalDays, "Total Days", c.period.TotalDays});
    shown.push_back({txtWeeks, "Weeks", CStr(c.period.Weeks)});
    shown.push_back({lblDays, "Days", CStr(c.period.PartWeekDays)});
    // Without a rate there is no compensation to show, and without a payment
    // date no accrued interest.
    shown.push_back({txtTotalComp, "Total Comp", c.hasRate ? money(c.period.TotalComp) : ""});
    shown.push_back(
        {txtAccruedInterest, "Accrued Int.",
         c.payment == PaymentOutcome::Figured ? money(c.interest.AccruedInterest) : ""});
    const bool simple = c.interest.SimpleInterest > 0;
    shown.push_back({txtSimpleInterest, "Simple Int.",
                     simple ? Format(c.interest.SimpleInterest, "###,##0.00") : ""});
    shown.push_back({txtSimpleDays, "Simple Days",
                     simple ? CStr(c.interest.SimpleDays + c.interest.PriorDays) : ""});
    shown.push_back({txtTotalAmount, "Total Amount", money(c.interest.TotalAmount)});
    shown.push_back({txtNetAmount, "Net Amount", money(c.netAmount)});
    return shown;
}

nlohmann::json saveCalculationRecord(const CalculationRecord& r) {
    const CalculationInput& in = r.input;
    const PriorBalance& prior = r.result.interest.prior;
    nlohmann::json entries = nlohmann::json::array();
    for (const PriorEntryAmounts& e : prior.entries) {
        entries.push_back({{"CompAmount", e.CompAmount},
                           {"SimpleAmount", e.SimpleAmount},
                           {"AccruedAmount", e.AccruedAmount},
                           {"PayAmount", e.PayAmount}});
    }
    return {{"beginningDate", in.beginningDate},
            {"endingDate", in.endingDate},
            {"rate", in.rate},
            {"weeks", in.weeks},
            {"paymentDate", in.paymentDate},
            {"paymentAmount", in.paymentAmount},
            {"CurrentEntry", in.CurrentEntry},
            {"prior",
             {{"balanceDate", dateJson(prior.balanceDate)},
              {"fromPaymentDate", prior.fromPaymentDate},
              {"entries", entries}}}};
}

CalculationRecord loadCalculationRecord(const StateReader& saved) {
    saved.expectMembers({"beginningDate", "endingDate", "rate", "weeks", "paymentDate",
                         "paymentAmount", "CurrentEntry", "prior"});
    CalculationRecord r;
    CalculationInput& in = r.input;
    in.beginningDate = saved["beginningDate"].text();
    in.endingDate = saved["endingDate"].text();
    in.rate = saved["rate"].text();
    in.weeks = saved["weeks"].text();
    in.paymentDate = saved["paymentDate"].text();
    in.paymentAmount = saved["paymentAmount"].text();
    in.CurrentEntry = static_cast<int>(saved["CurrentEntry"].whole(0, kLedgerCapacity));

    const StateReader prior = saved["prior"];
    prior.expectMembers({"balanceDate", "fromPaymentDate", "entries"});
    const StateReader entries = prior["entries"];
    // The earlier entries are those before the current one.
    if (entries.size() > static_cast<std::size_t>(std::max(0, in.CurrentEntry - 1))) {
        entries.fail("holds more entries than come before entry " +
                     std::to_string(in.CurrentEntry));
    }
    std::vector<PriorEntryAmounts> amounts;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const StateReader e = entries[i];
        e.expectMembers({"CompAmount", "SimpleAmount", "AccruedAmount", "PayAmount"});
        amounts.push_back({e["CompAmount"].number(), e["SimpleAmount"].number(),
                           e["AccruedAmount"].number(), e["PayAmount"].number(), 0});
    }
    const PriorBalance balance = priorBalanceOf(std::move(amounts), prior["balanceDate"].date(),
                                                prior["fromPaymentDate"].flag());

    CalculationOutcome outcome = calculate(in, balance);
    auto* c = std::get_if<Calculation>(&outcome);
    if (c == nullptr) {
        saved.fail("is not a calculation that passed its checks");
    }
    r.result = std::move(*c);
    return r;
}

}  // namespace corvell
