#include "fuzz/reading.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace corvell::fuzz {
namespace {

// --- Numbers ----------------------------------------------------------------

// The largest double as it shows at 15 digits, a hair above the double
// itself: text up to it reads as the largest double.
constexpr long double kLargestShown = 1.79769313486232e308L;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

std::string_view withoutBlanksAround(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Moves a leading sign from `rest` to `plain`; whether there was one.
bool takeSign(std::string_view& rest, std::string& plain) {
    if (rest.empty() || (rest.front() != '+' && rest.front() != '-')) {
        return false;
    }
    plain += rest.front();
    rest.remove_prefix(1);
    return true;
}

// Drops `c` from the front of `rest`; whether it was there.
bool takeMark(std::string_view& rest, char c) {
    if (rest.empty() || rest.front() != c) {
        return false;
    }
    rest.remove_prefix(1);
    return true;
}

// Moves the leading digits from `rest` to `plain`; how many.
std::size_t takeDigits(std::string_view& rest, std::string& plain) {
    std::size_t n = 0;
    while (n < rest.size() && isDigit(rest[n])) {
        ++n;
    }
    plain.append(rest.substr(0, n));
    rest.remove_prefix(n);
    return n;
}

// The value of a plain decimal number such as "-12.5e3": the nearest double;
// past the largest double, that double up to its 15-digit display and no
// number beyond.
std::optional<double> plainValue(const std::string& plain) {
    const double value = std::strtod(plain.c_str(), nullptr);
    if (std::isfinite(value)) {
        return value;
    }
    if (std::fabs(std::strtold(plain.c_str(), nullptr)) <= kLargestShown) {
        return std::copysign(DBL_MAX, value);
    }
    return std::nullopt;
}

// --- Dates ------------------------------------------------------------------

// One and two-digit years up to this one are of this century, later ones of
// the last.
constexpr int kLastYearOfThisCentury = 29;

constexpr std::array<std::string_view, 12> kMonths = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDateMark(char c) {
    return c == '/' || c == '-' || c == ' ' || c == ',' || c == '.';
}

constexpr bool isLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int daysInMonth(std::int64_t year, int month) {
    constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kLengths[static_cast<std::size_t>(month - 1)];
}

// Days from 01/01/0001 to the first of January of `year` (1 or later).
constexpr std::int64_t daysBeforeYear(std::int64_t year) {
    const std::int64_t past = year - 1;
    return past * 365 + past / 4 - past / 100 + past / 400;
}

constexpr std::int64_t daysFromYearOne(std::int64_t year, int month, int day) {
    std::int64_t days = daysBeforeYear(year);
    for (int m = 1; m < month; ++m) {
        days += daysInMonth(year, m);
    }
    return days + day - 1;
}

// Day numbers count from 12/30/1899.
constexpr std::int64_t kDayZero = daysFromYearOne(1899, 12, 30);

constexpr Date dateOf(std::int64_t year, int month, int day) {
    return Date{static_cast<std::int32_t>(daysFromYearOne(year, month, day) - kDayZero)};
}

constexpr Date kFirstDay = dateOf(100, 1, 1);
constexpr Date kLastDay = dateOf(9999, 12, 31);

// A run of digits or of letters, with the marks before it.
struct Part {
    bool digits = false;
    std::string_view text;
    std::string_view marksBefore;
};

// The parts of the text, or std::nullopt when it holds anything but
// digits, letters and date marks, or begins or ends with a mark.
std::optional<std::vector<Part>> partsOf(std::string_view text) {
    std::vector<Part> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t marks = i;
        while (marks < text.size() && isDateMark(text[marks])) {
            ++marks;
        }
        if (marks == text.size()) {
            return std::nullopt;  // marks at the end
        }
        const bool digits = isDigit(text[marks]);
        if (!digits && !isLetter(text[marks])) {
            return std::nullopt;
        }
        std::size_t end = marks;
        while (end < text.size() && (digits ? isDigit(text[end]) : isLetter(text[end]))) {
            ++end;
        }
        parts.push_back(Part{digits, text.substr(marks, end - marks), text.substr(i, marks - i)});
        i = end;
    }
    if (parts.empty() || !parts.front().marksBefore.empty()) {
        return std::nullopt;
    }
    return parts;
}

std::string withoutBlanks(std::string_view marks) {
    std::string kept;
    for (char c : marks) {
        if (c != ' ') {
            kept += c;
        }
    }
    return kept;
}

// Between two numbers: blanks, with one "/" or "-" at most.
bool marksBetweenNumbers(std::string_view marks) {
    const std::string kept = withoutBlanks(marks);
    return !marks.empty() && (kept.empty() || kept == "/" || kept == "-");
}

// Next to a month name a comma after the day and a full stop after an
// abbreviation are allowed too.
bool marksBesideName(std::string_view marks) {
    const std::string kept = withoutBlanks(marks);
    return !marks.empty() && (kept.empty() || kept == "/" || kept == "-" || kept == "," ||
                              kept == "." || kept == ".-" || kept == "./");
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> monthNumber(const Part& part) {
    if (part.digits) {
        return part.text.size() <= 2 ? std::optional<int>(digitsValue(part.text)) : std::nullopt;
    }
    std::string word;
    for (char c : part.text) {
        word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (word == kMonths[i] || (word.size() == 3 && kMonths[i].starts_with(word)) ||
            (word == "sept" && kMonths[i] == "september")) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::optional<int> dayNumber(const Part& part) {
    if (!part.digits || part.text.size() > 2) {
        return std::nullopt;
    }
    return digitsValue(part.text);
}

std::optional<int> yearNumber(const Part& part) {
    if (!part.digits || part.text.size() > 4) {
        return std::nullopt;
    }
    const int value = digitsValue(part.text);
    if (part.text.size() <= 2) {
        return value <= kLastYearOfThisCentury ? 2000 + value : 1900 + value;
    }
    return value >= 100 ? std::optional<int>(value) : std::nullopt;
}

std::string twoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

// The text of `n` with `width` digits at least.
std::string padded(std::int64_t n, std::size_t width) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < width ? width - digits.size() : 0, '0') + digits;
}

}  // namespace

bool isBlank(std::string_view text) {
    return withoutBlanksAround(text).empty();
}

std::optional<double> wholeTextNumber(std::string_view text) {
    std::string_view rest = withoutBlanksAround(text);
    std::string plain;
    const bool signFirst = takeSign(rest, plain);
    if (takeMark(rest, '$') && !signFirst) {
        takeSign(rest, plain);
    }
    std::size_t digits = takeDigits(rest, plain);
    // A thousands separator stands between two digits.
    while (digits > 0 && rest.size() >= 2 && rest[0] == ',' && isDigit(rest[1])) {
        rest.remove_prefix(1);
        digits += takeDigits(rest, plain);
    }
    if (takeMark(rest, '.')) {
        plain += '.';
        digits += takeDigits(rest, plain);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (!rest.empty() && isExponentLetter(rest.front())) {
        rest.remove_prefix(1);
        plain += 'e';
        takeSign(rest, plain);
        if (takeDigits(rest, plain) == 0) {
            return std::nullopt;
        }
    }
    if (!rest.empty()) {
        return std::nullopt;
    }
    return plainValue(plain);
}

std::optional<double> typedNumber(std::string_view text, bool percentSign) {
    std::string_view number = withoutBlanksAround(text);
    if (number.empty()) {
        return 0.0;
    }
    if (percentSign && number.back() == '%') {
        number = withoutBlanksAround(number.substr(0, number.size() - 1));
    }
    return wholeTextNumber(number);
}

double leadingNumber(std::string_view text) {
    std::string squeezed;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            squeezed += c;
        }
    }
    std::string_view rest = squeezed;
    std::string plain;
    takeSign(rest, plain);
    std::size_t digits = takeDigits(rest, plain);
    if (takeMark(rest, '.')) {
        plain += '.';
        digits += takeDigits(rest, plain);
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent letter without digits after it ends the number before it.
    if (!rest.empty() && isExponentLetter(rest.front())) {
        std::string_view exponent = rest.substr(1);
        std::string exponentPlain = "e";
        takeSign(exponent, exponentPlain);
        if (takeDigits(exponent, exponentPlain) > 0) {
            plain += exponentPlain;
        }
    }
    return plainValue(plain).value_or(0);
}

std::optional<Date> typedDate(std::string_view text) {
    const auto parts = partsOf(withoutBlanksAround(text));
    if (!parts || parts->size() != 3) {
        return std::nullopt;
    }
    const Part& first = (*parts)[0];
    const Part& second = (*parts)[1];
    const Part& third = (*parts)[2];
    std::optional<int> month;
    std::optional<int> day;
    if (first.digits && second.digits) {
        if (!marksBetweenNumbers(second.marksBefore) || !marksBetweenNumbers(third.marksBefore)) {
            return std::nullopt;
        }
        month = monthNumber(first);
        day = dayNumber(second);
    } else if (first.digits != second.digits) {
        if (!marksBesideName(second.marksBefore) || !marksBesideName(third.marksBefore)) {
            return std::nullopt;
        }
        month = monthNumber(first.digits ? second : first);
        day = dayNumber(first.digits ? first : second);
    }
    const std::optional<int> year = yearNumber(third);
    if (!month || !day || !year || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return dateOf(*year, *month, *day);
}

std::string dateText(Date date) {
    const std::int64_t fromYearOne = kDayZero + date.day;
    // A first guess a year or so off, then the year that holds the day.
    std::int64_t year = fromYearOne * 400 / 146097 + 1;
    while (year > 1 && daysBeforeYear(year) > fromYearOne) {
        --year;
    }
    while (daysBeforeYear(year + 1) <= fromYearOne) {
        ++year;
    }
    std::int64_t dayOfYear = fromYearOne - daysBeforeYear(year);
    int month = 1;
    while (dayOfYear >= daysInMonth(year, month)) {
        dayOfYear -= daysInMonth(year, month);
        ++month;
    }
    return twoDigits(month) + "/" + twoDigits(static_cast<int>(dayOfYear) + 1) + "/" +
           padded(year, 4);
}

std::string dateWrittenOut(std::string_view text) {
    if (const std::optional<double> number = wholeTextNumber(text)) {
        const double day = std::trunc(*number);
        if (day < kFirstDay.day || day > kLastDay.day) {
            return std::string(text);
        }
        return dateText(Date{static_cast<std::int32_t>(day)});
    }
    if (const std::optional<Date> date = typedDate(text)) {
        return dateText(*date);
    }
    return std::string(text);
}

std::string digitsCompleted(std::string_view typed) {
    const double digits = leadingNumber(typed);
    const std::string_view front = typed.substr(0, 2);
    const std::string_view middle = typed.size() > 2 ? typed.substr(2, 2) : std::string_view();
    const auto back = [typed](std::size_t n) {
        return n >= typed.size() ? typed : typed.substr(typed.size() - n);
    };
    if (digits > 1000000) {
        return dateWrittenOut(std::string(front) + "/" + std::string(middle) + "/" +
                              std::string(back(4)));
    }
    if (digits > 10000) {
        return std::string(front) + "/" + std::string(middle) + "/" + std::string(back(2));
    }
    return std::string(typed);
}

}  // namespace corvell::fuzz
