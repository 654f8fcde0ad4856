#pragma once
// Numbers typed as text and shown as text, read and written the way the
// operator expects of this program: Val stops at the first character that is
// not part of a number, CDbl insists on the whole text, and the field-number
// reading used for what is typed into calculator fields insists on the whole
// text too.
// Values are carried unrounded; rounding happens only where a number is
// shown (see format.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvell {

// Drops blanks, tabs and line feeds anywhere, then reads an optional sign,
// digits, one decimal point and an optional exponent, stopping at the first
// other character. Empty text, text that starts with no number, and a number
// too large for a double all read as 0.
double Val(std::string_view text);

// The number the whole text spells, blanks around it allowed, thousands
// separators and a leading dollar sign accepted ("$1,250.00" is 1250).
// Anything else, empty text included, is no number: std::nullopt.
std::optional<double> CDbl(std::string_view text);

// How amounts, rates, weeks, percentages and ages typed into calculator
// fields are read: the whole text as CDbl reads it ("1,000.00" is 1000, "$75"
// is 75, "2.5E3" is 2500), a trailing "%" allowed where `percentSign` says so
// ("60%" is 60). Empty text, or blanks, is 0. Anything else is no number,
// std::nullopt: text that is only partly a number ("7S0", "12 .5x", "abc")
// and a number beyond the range of a double ("1e309"), so that a typo is
// refused rather than read as some other figure.
std::optional<double> fieldNumber(std::string_view text, bool percentSign = false);

// Rounds down, toward minus infinity.
double Int(double x);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double x);

// CInt and CLng: roundHalfEven into a 16-bit or 32-bit whole number;
// std::nullopt when the result does not fit (or x is not finite).
std::optional<std::int16_t> CInt(double x);
std::optional<std::int32_t> CLng(double x);

// Shortest decimal form to 15 significant digits (very large and very small
// magnitudes in exponent form, 1E+15, 1E-05). Str puts a blank in front of a
// number that is not negative and no zero before the decimal point
// (0.05 -> " .05", -0.5 -> "-.5"); CStr has neither quirk (0.05 -> "0.05").
std::string Str(double x);
std::string CStr(double x);

// |x| to 15 significant digits, rounded as printf's "%.14e" rounds them
// (from the exact binary value): the digits, and the decimal exponent of the
// first (1250 -> "125000000000000" and 3; 0 -> all zeros and 0). x finite.
struct FifteenDigits {
    char digits[15];
    int exponent;
};
FifteenDigits fifteenDigits(double x);

// The shortest text that reads back as x, as std::to_chars(first, last, x)
// writes it ("0.1", "1e+22", "494.99999999999994"). Where the standard
// library has no to_chars for double (emscripten's libc++), the same text is
// built on printf by shortestTextByPrintf.
std::string shortestText(double x);
std::string shortestTextByPrintf(double x);

// Text helpers with the meaning the calculators give them.
std::string_view trimLeft(std::string_view text);  // leading blanks removed
std::string_view trim(std::string_view text);      // leading and trailing blanks removed
std::string UCase(std::string_view text);          // ASCII letters upper-cased
std::string Left(std::string_view text, std::size_t n);
std::string Mid(std::string_view text, std::size_t start1, std::size_t n);  // start1 counts from 1
std::string Right(std::string_view text, std::size_t n);

}  // namespace corvell
