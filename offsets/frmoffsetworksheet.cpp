#include "offsets/frmoffsetworksheet.h"

#include <nlohmann/json.hpp>

#include "offsets/frmoffsetcontrols.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmoffset;

namespace {

Worksheet calculated(const LumpSumRecord& r) {
    const LumpSumOffset& o = r.offset;
    Worksheet sheet("Lump Sum Offset");
    sheet.inputs({{"Beginning Date", r.beginText, dateFigure(r.begin)},
                  {"Rate (weekly)", r.rateText, figure(r.rate)},
                  {"Net Offset Amount", r.amountText, figure(r.amount)}});
    sheet.constantsThenSteps({"7: days in a week; the daily rate is the weekly rate over 7"});
    sheet.text("Days the amount buys = " + figure(r.amount) + " / " + figure(r.rate) +
               " x 7 = " + figure(o.rawDays));
    sheet.text("Whole days = " + figure(o.totalDays));
    if (o.totalDays != Int(o.rawDays)) {
        sheet.rule(
            "A count of days a hair short of a whole number (within a millionth of a millionth "
            "of it) is that whole number, so " +
            exactFigure(o.rawDays) + " counts as " + figure(o.totalDays) + " whole days.");
    } else {
        sheet.rule("Only whole days count: the part of a day is left over as the remainder.");
    }
    const std::string weeks = CStr(o.weeks);
    const std::string days = CStr(o.days);
    sheet.text("Computed Weeks = Int(" + figure(o.totalDays) + " / 7) = " + weeks);
    sheet.text("Days = Int(" + figure(o.totalDays) + " - " + weeks + " x 7) = " + days);
    const std::string end = Format(o.endDate, "mm/dd/yyyy");
    sheet.text("Computed End Date = " + dateFigure(r.begin) + " + " + figure(o.totalDays) +
               " - 1 days = " + end);
    sheet.rule("The beginning date is the first day of the offset, so one day is taken off.");
    sheet.text("Daily rate = " + figure(r.rate) + " / 7 = " + figure(o.dailyRate));
    const std::string remainder = Format(o.remainder, kRemainderPattern);
    sheet.text("Remainder = " + figure(r.amount) + " - " + figure(o.totalDays) + " x " +
               figure(o.dailyRate) + " = " + figure(o.remainder) + ", shown " + remainder);
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
