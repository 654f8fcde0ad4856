#include "offsets/lumpsummodel.h"

#include <nlohmann/json.hpp>

#include "offsets/frmoffsetcontrols.h"
#include "offsets/lumpsumoffset.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetreports.h"
#include "shell/datefield.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace frmoffset;

namespace {

constexpr const char* kDateFormat = "mm/dd/yyyy";

}  // namespace

LumpSumModel::LumpSumModel()
    : BeginDateModel(WindowId::frmOffset, {txtBeginningDate, txtCaseCaption, cmdCommCalculate,
                                           cmdCommPrint, cmdCommClear}) {
    addNumberFields({kRateField, kNetOffsetAmountField});
    addResultFields({txtComputedEndDate, txtComputedWeeks, txtComputedDays, txtRemainder});
    showsLog(log_, &lumpSumWorksheet);
    on(cmdCommCalculate, Event::Click, [this] { return cmdCommCalculate_Click(); });
    on(cmdCommClear, Event::Click, [this] { return cmdCommClear_Click(); });
    on(cmdCommPrint, Event::Click, [this] { return cmdCommPrint_Click(); });
}

Reaction LumpSumModel::cmdCommCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction LumpSumModel::calculate() {
    const std::string beginText = text(txtBeginningDate);
    const auto checked = requiredBeginningDate(field(txtBeginningDate), txtBeginningDate);
    if (const auto* refusal = std::get_if<Reaction>(&checked)) {
        return *refusal;
    }
    const Date begin = std::get<Date>(checked);
    values_.BeginDate = begin;

    const std::string rateText = text(txtRate);
    if (trimLeft(rateText).empty()) {
        return Reaction::refuse("Rate is required for any calculation.", txtRate);
    }
    const std::string amountText = text(txtNetOffsetAmount);
    if (trimLeft(amountText).empty()) {
        return Reaction::refuse("Net Offset Amount is required for any calculation.",
                                txtNetOffsetAmount);
    }
    const NumberRead rate = number(kRateField);
    if (!rate) {
        return refused(*rate.refusal);
    }
    if (*rate == 0) {
        return Reaction::refuse("Rate must be greater than 0.", txtRate);
    }
    const NumberRead amount = number(kNetOffsetAmountField);
    if (!amount) {
        return refused(*amount.refusal);
    }

    const LumpSumOffset offset = lumpSumOffset(begin, *amount, *rate);
    switch (offset.end) {
        case LumpSumOffset::End::AfterLastDate:
            return Reaction::refuse(
                "The offset would end after 12/31/9999. Please check the Net Offset Amount and "
                "the Rate.",
                txtNetOffsetAmount);
        case LumpSumOffset::End::BeforeFirstDate:
            return Reaction::refuse(
                "The offset would end before 01/01/0100. Please check the Net Offset Amount and "
                "the Rate.",
                txtNetOffsetAmount);
        case LumpSumOffset::End::OnCalendar:
            break;
    }
    field(txtComputedWeeks) = CStr(offset.weeks);
    field(txtComputedDays) = CStr(offset.days);
    field(txtComputedEndDate) = Format(offset.endDate, kDateFormat);
    field(txtRemainder) = Format(offset.remainder, kRemainderPattern);
    values_.CompRate = *rate;
    log_.passed({beginText, rateText, amountText, begin, *rate, *amount, offset});
    return {};
}

Reaction LumpSumModel::cmdCommClear_Click() {
    for (ControlName name : {txtBeginningDate, txtRate, txtNetOffsetAmount, txtComputedWeeks,
                             txtComputedDays, txtComputedEndDate, txtRemainder, txtCaseCaption}) {
        field(name).clear();
    }
    values_.CompRate = 0;
    log_.clear();  // the report prints the fields, and they are empty now
    return {};
}

Reaction LumpSumModel::cmdCommPrint_Click() {
    return printOnce(
        kLumpSumReportTitle,
        LumpSumReportFields{text(txtCaseCaption), text(txtBeginningDate), text(txtRate),
                            text(txtNetOffsetAmount), text(txtComputedWeeks), text(txtComputedDays),
                            text(txtComputedEndDate), text(txtRemainder)},
        &lumpSumReport);
}

}  // namespace corvell
