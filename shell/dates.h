#pragma once
// Calendar dates as whole day numbers: day 0 is 12/30/1899 and stands for
// "no date", day 1 is 12/31/1899, 38353 is 01/01/2005. A date plus n is the
// date n days later. Dates are read from text in month/day/year order, US
// style, and accepted from 01/01/100 to 12/31/9999.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvell {

struct Date {
    std::int32_t day = 0;
    auto operator<=>(const Date&) const = default;
};

struct CivilDate {
    int year = 1899;
    unsigned month = 12;  // 1..12
    unsigned day = 30;    // 1..31
    auto operator<=>(const CivilDate&) const = default;
};

inline constexpr Date kNoDate{0};
inline constexpr Date kFirstDate{-657434};  // 01/01/100
inline constexpr Date kLastDate{2958465};   // 12/31/9999

// Day numbers from and to the proleptic Gregorian calendar.
Date fromCivil(CivilDate civil);
CivilDate toCivil(Date date);
bool isValidCivil(int year, unsigned month, unsigned day);
bool inRange(Date date);  // within 01/01/100 .. 12/31/9999

// True when the text reads as a calendar date: month, day and year separated
// by "/", "-" or blanks ("3/15/2004", "03-15-04", "3 15 2004"), or with a
// month name ("March 15, 2004", "15-Mar-2004", "Mar 15 2004"). Two-digit
// years 00-29 are 2000-2029, 30-99 are 1930-1999. Days that do not exist
// (02/30/2004) are refused, and so is any text with more or less than a
// month, a day and a year.
bool IsDate(std::string_view text);
std::optional<Date> CDate(std::string_view text);
std::optional<Date> DateValue(std::string_view text);

// DateAdd("d", n, a): the date n days after a, or std::nullopt when that
// falls outside 01/01/100 .. 12/31/9999. DateDiff("d", a, b): b minus a.
std::optional<Date> DateAdd(std::int64_t days, Date date);
std::int64_t DateDiff(Date from, Date to);

// The short form m/d/yyyy without leading zeros (3/12/2005).
std::string CStr(Date date);

}  // namespace corvell
