#pragma once
// Days and weeks as every calculator counts them: a week has 7 days; a
// period given in weeks holds weeks x 7 days rounded half to even, in a
// 16-bit day count; and a count of days worked out by dividing money by a
// daily rate is taken in whole days, where a count a hair short of a whole
// number is that whole number.

#include <cstdint>
#include <optional>

namespace corvell {

inline constexpr double kDaysPerWeek = 7;

// The days of a period given in weeks: weeks x 7, halves to the even
// neighbour (1.5 weeks are 10 days, 0.5 weeks 4). std::nullopt when that does
// not fit the 16-bit day count (-32768..32767: beyond about 4681 weeks) or the
// weeks are no finite number. Each calculator refuses the counts it cannot use.
std::optional<std::int16_t> daysInWeeks(double weeks);
// The days of `weeks` weeks before they are rounded: weeks x 7.
double unroundedDays(double weeks);

// A quotient of typed amounts that is a whole number of days on paper can
// come out of double division a few units in the last place below it (42075
// at 595 a week is 495 days, computed as 494.99999999999994). Within this
// distance, relative to the count (and never less than this many days), a
// count below a whole number is that whole number: far below a cent on any
// amount a claim holds, far above the error of one division and product.
inline constexpr double kNearlyWholeDay = 1e-12;

// The whole days in `days`: rounded down, except that a count within
// kNearlyWholeDay below the next whole number counts as that number.
double wholeDays(double days);

}  // namespace corvell
