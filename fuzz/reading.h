#pragma once
// How the fuzz targets read what is typed into a window and what a window
// shows, written here and not taken from the program: an oracle that read
// text through the program's own functions would move with them, and a
// change in how the program reads a number or a date would pass unseen.
//
// Numbers: the whole text, blanks around it allowed, is an optional sign, an
// optional "$" (the sign before or after it), digits with "," only between
// two digits, an optional decimal point with digits, and an optional
// exponent (E, e, D or d, an optional sign, digits); at least one digit
// before the exponent. A number beyond the range of a double is no number,
// except what lies up to the largest double as shown at 15 digits
// (1.79769313486232E+308), which reads as the largest double.
//
// Dates: month, day and year in that order, separated by "/", "-" or blanks
// (one mark at most between two numbers), or with a month name, in full, by
// its first three letters or as "Sept", before the day ("Mar 15, 2004") or
// after it ("15-Mar-2004"), where a comma or a full stop may follow a part.
// Month and day take one or two digits; a year of one or two digits is
// 2000-2029 up to 29 and 1930-1999 from 30, one of three or four digits is
// itself and must be 100 or later. Only days on the calendar read.

#include <optional>
#include <string>
#include <string_view>

#include "shell/dates.h"

namespace corvell::fuzz {

// Empty, or blanks alone.
bool isBlank(std::string_view text);

// The number the whole text spells; std::nullopt for empty text and for
// anything else that is no number.
std::optional<double> wholeTextNumber(std::string_view text);

// A number field's text: blanks alone read as 0, and where `percentSign`
// says so a trailing "%" (blanks around it allowed) may follow the number.
std::optional<double> typedNumber(std::string_view text, bool percentSign = false);

// The number the text starts with once blanks, tabs and line feeds are
// dropped anywhere in it: an optional sign, digits with an optional decimal
// point, and an exponent when digits follow its letter. 0 when the text
// starts with no number or the number lies beyond the range of a double.
// Date fields judge bare digits by it.
double leadingNumber(std::string_view text);

// The date the text spells.
std::optional<Date> typedDate(std::string_view text);

// A date as mm/dd/yyyy.
std::string dateText(Date date);

// What a date field shows once it is written out as mm/dd/yyyy: text that
// is a number stands for a day count from 12/30/1899 when that day is on the
// calendar, text that is a date shows as that date, anything else as typed.
std::string dateWrittenOut(std::string_view text);

// What bare digits typed into a date field become when it is left: beyond
// 1,000,000 (as leadingNumber reads the text) the first two characters, the
// next two and the last four are month, day and year, written out; beyond
// 10,000 the first two, the next two and the last two, as they stand;
// anything else stays as typed.
std::string digitsCompleted(std::string_view typed);

}  // namespace corvell::fuzz
