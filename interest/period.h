#pragma once
// The figures of one period of disability: its days counted inclusively,
// those days as whole weeks and remaining days, and the compensation at a
// weekly rate prorated by the day.

#include <cstdint>
#include <optional>
#include <string>

#include "shell/dates.h"

namespace corvell {

struct PeriodFigures {
    std::int64_t DayCount = 0;  // beginning to ending date, both included
    std::string TotalDays;      // DayCount as shown, "##,###"
    double exactWeeks = 0;      // DayCount / 7
    double partWeekHalfUp = 0;  // the days beyond the whole weeks, plus a half, before Int
    double Weeks = 0;           // whole weeks
    double PartWeekDays = 0;    // days beyond the whole weeks, 0 to 6
    double CompRate = 0;        // weekly rate; 0 without one
    double TotalComp = 0;       // CompRate x DayCount / 7
};

// `rate` is std::nullopt when no rate was given: the compensation is then 0.
// Requires begin <= end.
PeriodFigures calculatePeriod(Date begin, Date end, std::optional<double> rate);

}  // namespace corvell
