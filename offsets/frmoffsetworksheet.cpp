#include "offsets/frmoffsetworksheet.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "offsets/frmoffsetcontrols.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmoffset;

namespace {

// The whole days of the days the amount buys, as the offset counts them.
void wholeDaysOf(Worksheet& sheet, const LumpSumOffset& o) {
    wholeDays(sheet, o.rawDays, o.totalDays);
    if (o.totalDays == Int(o.rawDays) && figure(o.totalDays) != figure(o.rawDays)) {
        sheet.rule("Only whole days count: of the " + figure(o.rawDays) +
                   " days the amount buys, " + figure(o.totalDays) +
                   " are whole, and the part of a day left over is the remainder.");
    }
}

Worksheet calculated(const LumpSumRecord& r) {
    const LumpSumOffset& o = r.offset;
    Worksheet sheet("Lump Sum Offset");
    sheet.inputs({{"Beginning Date", r.beginText, dateFigure(r.begin)},
                  {"Rate (weekly)", r.rateText, figure(r.rate)},
                  {"Net Offset Amount", r.amountText, figure(r.amount)}});
    sheet.constantsThenSteps(
        {"7: days in a week; the daily rate is the weekly rate over 7", kRoundingRule,
         "Rounding inside the calculation: the Whole days step keeps only the whole days the "
         "amount buys; the part of a day left over is paid by the remainder."});
    sheet.step("Days the amount buys", {Keyed(r.amount) / r.rate * 7, o.rawDays});
    wholeDaysOf(sheet, o);
    const std::string weeks = CStr(o.weeks);
    const std::string days = CStr(o.days);
    sheet.step("Computed Weeks", {Int(Keyed(o.totalDays) / 7), o.weeks});
    sheet.step("Days", {Keyed(o.totalDays) - Keyed(o.weeks) * 7, o.days});
    const std::string end = Format(o.endDate, "mm/dd/yyyy");
    sheet.step("Computed End Date",
               {Keyed::date(r.begin) + o.totalDays - 1, Keyed::date(o.endDate)});
    sheet.rule(
        "The beginning date is the first day of the offset, so one day is taken off: "
        "counting " +
        counted(o.totalDays, "day", "days") + " from " + dateFigure(r.begin) + ", the last is " +
        end + ".");
    sheet.step("Daily rate", {Keyed(r.rate) / 7, o.dailyRate});
    const std::string remainder = Format(o.remainder, kRemainderPattern);
    sheet.step("Remainder", {Keyed(r.amount) - Keyed(o.totalDays) * o.dailyRate}, o.remainder,
               remainder);
    sheet.rule("The remainder is what the " + figure(o.totalDays) +
               " whole days at the daily rate leave of the amount of " + figure(r.amount) + ".");
    sheet.result(txtComputedWeeks, "Computed Weeks", weeks);
    sheet.result(txtComputedDays, "Days", days);
    sheet.result(txtComputedEndDate, "Computed End Date", end);
    sheet.result(txtRemainder, "Remainder", remainder);
    return sheet;
}

}  // namespace

Worksheet lumpSumWorksheet(const CalculationLog<LumpSumRecord>& log) {
    return loggedWorksheet("Lump Sum Offset: how the figures were calculated", log, calculated,
                           {{txtBeginningDate, "Beginning Date"},
                            {txtRate, "Rate"},
                            {txtNetOffsetAmount, "Net Offset Amount"}},
                           "A refused Calculate changes no figure the window shows.");
}

}  // namespace corvell
