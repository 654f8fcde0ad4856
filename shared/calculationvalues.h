#pragma once
// The calculation values a calculator keeps between its commands: the period,
// the payment date, weeks and days, the weekly rate and the compensation.
// Each calculator window owns one instance, zero at start, so the figures of
// one window never reach another window's ledger, calculation or report.

#include <cstdint>

#include "shell/dates.h"

namespace corvell {

struct CalculationValues {
    Date BeginDate;
    Date EndDate;
    Date PaymentDate;  // kNoDate: no payment date
    double Weeks = 0;
    std::int16_t Days = 0;  // days of a period given in weeks
    double CompRate = 0;
    double TotalComp = 0;
};

}  // namespace corvell
