#pragma once
// Display patterns. This is the one place where numbers are rounded: a value
// is first taken to 15 significant digits, then rounded half away from zero
// to the decimals of its pattern (2.675 under "0.00" shows 2.68, and 2.5
// under "#,###" shows 3, unlike CInt).
//
// Numeric patterns: "0" always prints a digit, "#" only a significant one,
// "." marks the decimals, a "," anywhere among the whole-number placeholders
// groups by threes ("$#,##,##0.00" groups like "#,##0.00"); other characters
// such as "$" or blanks print as they stand. A negative amount gets a leading
// "-" (before any "$"); an amount that rounds to zero shows no sign.
//
// Date patterns: "mm"/"MM" two-digit month, "dd"/"DD" two-digit day,
// "yyyy"/"YYYY" four-digit year, "yy" two-digit year, "m" and "d" without
// leading zero.

#include <string>
#include <string_view>

#include "shell/dates.h"

namespace corvell {

bool isDatePattern(std::string_view pattern);

// A number under a numeric pattern; under a date pattern the number is taken
// as a day count from 12/30/1899 (1234 -> 05/18/1903).
std::string Format(double value, std::string_view pattern);

std::string Format(Date date, std::string_view pattern);

// Field text as a value: text that CDbl accepts is formatted as that number;
// other text that IsDate accepts is formatted as that date under a date
// pattern; any other text, and empty text, comes back unchanged. Under a
// numeric pattern a date stays as typed rather than turning into a day
// count, so a date typed into an amount field is never taken for money.
std::string Format(std::string_view text, std::string_view pattern);
inline std::string Format(const char* text, std::string_view pattern) {
    return Format(std::string_view(text), pattern);
}
inline std::string Format(const std::string& text, std::string_view pattern) {
    return Format(std::string_view(text), pattern);
}

}  // namespace corvell
