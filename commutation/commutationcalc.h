#pragma once
// The arithmetic of a commutation: an agreed amount paid over a number of
// weeks from a beginning date. The weeks become whole days (weeks times 7,
// halves to the even neighbour: 1.5 weeks are 10 days, not 11); the payments
// end that many days after the beginning date, on the same weekday for whole
// weeks; the weekly rate is the amount over the unrounded weeks.

#include <cstdint>
#include <optional>

#include "shell/dates.h"

namespace corvell {

// How the window shows its results.
inline constexpr const char* kCommutationEndPattern = "MM/DD/YYYY";
inline constexpr const char* kCommutationRatePattern = "##,##0.00";

// The days of `weeks` weeks, or std::nullopt when the weeks are not more
// than 0 or their days do not fit the 16-bit day count (above 32767).
std::optional<std::int16_t> commutationDays(double weeks);

// The day the payments end, `days` days after `begin`; std::nullopt when that
// falls after 12/31/9999.
std::optional<Date> commutationEndDate(Date begin, std::int16_t days);

// The weekly rate that pays `amount` over `weeks` weeks; std::nullopt when
// the quotient is no finite number (weeks too close to 0 for the amount).
std::optional<double> commutationRate(double amount, double weeks);

}  // namespace corvell
