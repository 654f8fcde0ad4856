#include "commutation/frmcommutationworksheet.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "commutation/commutationcalc.h"
#include "commutation/frmcommutationcontrols.h"
#include "shell/daycount.h"
#include "shell/format.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

using namespace frmcommutation;

nlohmann::json saveCommutationRecord(const CommutationRecord& r) {
    return {{"beginText", r.beginText},   {"weeksText", r.weeksText}, {"amountText", r.amountText},
            {"begin", dateJson(r.begin)}, {"weeks", r.weeks},         {"amount", r.amount}};
}

// The figures follow from the values as read, which follow from the texts.
CommutationRecord loadCommutationRecord(const StateReader& saved) {
    saved.expectMembers({"beginText", "weeksText", "amountText", "begin", "weeks", "amount"});
    CommutationRecord r;
    r.beginText = saved["beginText"].text();
    r.weeksText = saved["weeksText"].text();
    r.amountText = saved["amountText"].text();
    r.begin = saved["begin"].date();
    r.weeks = saved["weeks"].number();
    r.amount = saved["amount"].number();
    if (CDate(r.beginText) != std::optional<Date>(r.begin) || FieldNumber(r.weeksText) != r.weeks ||
        FieldNumber(r.amountText) != r.amount) {
        saved.fail("is not what a Calculate reads from its texts");
    }
    const std::optional<std::int16_t> days = commutationDays(r.weeks);
    const std::optional<Date> end = days ? commutationEndDate(r.begin, *days) : std::nullopt;
    const std::optional<double> rate = commutationRate(r.amount, r.weeks);
    if (!end || !rate) {
        saved.fail("holds figures no Calculate can work out");
    }
    r.days = *days;
    r.end = *end;
    r.rate = *rate;
    return r;
}

namespace {

Worksheet calculated(const CommutationRecord& r) {
    Worksheet sheet("Commutation");
    sheet.heading("Inputs as typed and as read");
    sheet.text("Beginning Date: " + typed(r.beginText) + " read as " + dateFigure(r.begin));
    sheet.text("Comm Weeks: " + typed(r.weeksText) + " read as " + figure(r.weeks));
    sheet.text("Commutation Amount: " + typed(r.amountText) + " read as " + figure(r.amount));
    sheet.heading("Constants");
    sheet.text("7: days in a week");
    sheet.heading("Steps");
    const double unrounded = unroundedDays(r.weeks);
    sheet.text("Days = " + figure(r.weeks) + " x 7 = " + figure(unrounded) +
               ", rounded: " + figure(r.days));
    if (unrounded - std::floor(unrounded) == 0.5) {
        sheet.rule("Days are rounded half to even: " + figure(unrounded) + " days count as " +
                   figure(r.days) + ".");
    } else if (unrounded != std::floor(unrounded)) {
        sheet.rule("Days are rounded to the nearest whole day, halves to the even neighbour.");
    }
    const std::string end = Format(r.end, kCommutationEndPattern);
    sheet.text("Computed End Date = " + dateFigure(r.begin) + " + " + figure(r.days) +
               " days = " + end);
    sheet.rule(
        "The payments end that many days after the beginning date, on the same weekday for "
        "whole weeks.");
    const std::string rate = Format(r.rate, kCommutationRatePattern);
    sheet.text("Computed Rate = " + figure(r.amount) + " / " + figure(r.weeks) + " = " +
               figure(r.rate) + ", shown " + rate);
    sheet.rule("The rate is the amount over the weeks as typed, not over the rounded days.");
    sheet.result(txtComputedEndDate, "Computed End Date", end);
    sheet.result(txtComputedRate, "Computed Rate", rate);
    return sheet;
}

}  // namespace

Worksheet commutationWorksheet(const CalculationLog<CommutationRecord>& log) {
    std::optional<Worksheet> built;
    if (log.record) {
        built = calculated(*log.record);
    }
    return loggedWorksheet(
        "Commutation: how the figures were calculated", log.refusal, built,
        {{txtBeginningDate, "Beginning Date"},
         {txtCommWeeks, "Comm Weeks"},
         {txtCommAmount, "Commutation Amount"}},
        "A refused Calculate changes no figure, except that a missing amount leaves the end date "
        "it worked out from the weeks on show.");
}

}  // namespace corvell
