#include "shell/dates.h"

#include <array>
#include <cctype>
#include <vector>

#include "shell/values.h"

namespace corvell {
namespace {

// 1970-01-01 is day 25569 counted from 1899-12-30.
constexpr std::int64_t kUnixEpochDay = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil). Preconditions: month 1..12, day 1..last day of month.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);                 // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The inverse (civil_from_days).
constexpr CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);                    // [0, 146096]
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);  // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                       // [0, 11]
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;               // [1, 31]
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;                  // [1, 12]
    return CivilDate{static_cast<int>(y + (m <= 2)), m, d};
}

constexpr std::array<const char*, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// A month named in full or by its first three letters, any case.
std::optional<unsigned> monthFromName(std::string_view word) {
    std::string lower;
    for (char c : word) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower.size() < 3) {
        return std::nullopt;
    }
    for (unsigned i = 0; i < kMonthNames.size(); ++i) {
        const std::string_view name = kMonthNames[i];
        if (lower == name || (lower.size() == 3 && name.substr(0, 3) == lower) ||
            (lower == "sept" && i == 8)) {
            return i + 1;
        }
    }
    return std::nullopt;
}

struct Token {
    enum class Kind { Number, Word } kind;
    std::string text;
    std::string separatorBefore;  // the characters between this token and the one before
};

bool isSeparator(char c) {
    return c == '/' || c == '-' || c == ' ' || c == ',' || c == '.';
}

std::optional<std::vector<Token>> tokenize(std::string_view text) {
    text = trim(text);
    std::vector<Token> tokens;
    std::string separator;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isSeparator(c)) {
            separator += c;
            ++i;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            Token t{Token::Kind::Number, {}, separator};
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                t.text += text[i++];
            }
            tokens.push_back(std::move(t));
            separator.clear();
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            Token t{Token::Kind::Word, {}, separator};
            while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
                t.text += text[i++];
            }
            tokens.push_back(std::move(t));
            separator.clear();
        } else {
            return std::nullopt;
        }
    }
    if (tokens.size() != 3 || !tokens[0].separatorBefore.empty() || !separator.empty()) {
        return std::nullopt;
    }
    return tokens;
}

// Between numbers: blanks, or one "/" or "-" with blanks around it.
bool numericSeparator(std::string_view sep) {
    std::size_t marks = 0;
    for (char c : sep) {
        if (c == '/' || c == '-') {
            ++marks;
        } else if (c != ' ') {
            return false;
        }
    }
    return marks <= 1 && !sep.empty();
}

// Next to a month name, a full stop after an abbreviation and a comma after
// the day are accepted as well.
bool namedSeparator(std::string_view sep) {
    std::string marks;
    for (char c : sep) {
        if (c != ' ') {
            marks += c;
        }
    }
    return !sep.empty() && (marks.empty() || marks == "/" || marks == "-" || marks == "," ||
                            marks == "." || marks == ".-" || marks == "./");
}

std::optional<int> year(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(digits));
    if (digits.size() <= 2) {
        return value < 30 ? 2000 + value : 1900 + value;
    }
    if (value < 100) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    return static_cast<unsigned>(std::stoi(std::string(digits)));
}

std::optional<Date> parse(std::string_view text) {
    auto tokens = tokenize(text);
    if (!tokens) {
        return std::nullopt;
    }
    const Token& a = (*tokens)[0];
    const Token& b = (*tokens)[1];
    const Token& c = (*tokens)[2];
    if (c.kind != Token::Kind::Number) {
        return std::nullopt;
    }
    std::optional<unsigned> month;
    std::optional<unsigned> day;
    if (a.kind == Token::Kind::Number && b.kind == Token::Kind::Number) {
        if (!numericSeparator(b.separatorBefore) || !numericSeparator(c.separatorBefore)) {
            return std::nullopt;
        }
        month = smallNumber(a.text);
        day = smallNumber(b.text);
    } else if (a.kind == Token::Kind::Word && b.kind == Token::Kind::Number) {
        if (!namedSeparator(b.separatorBefore) || !namedSeparator(c.separatorBefore)) {
            return std::nullopt;
        }
        month = monthFromName(a.text);
        day = smallNumber(b.text);
    } else if (a.kind == Token::Kind::Number && b.kind == Token::Kind::Word) {
        if (!namedSeparator(b.separatorBefore) || !namedSeparator(c.separatorBefore)) {
            return std::nullopt;
        }
        day = smallNumber(a.text);
        month = monthFromName(b.text);
    }
    const std::optional<int> y = year(c.text);
    if (!month || !day || !y || !isValidCivil(*y, *month, *day)) {
        return std::nullopt;
    }
    return fromCivil(CivilDate{*y, *month, *day});
}

}  // namespace

Date fromCivil(CivilDate civil) {
    return Date{static_cast<std::int32_t>(daysFromCivil(civil.year, civil.month, civil.day) +
                                          kUnixEpochDay)};
}

CivilDate toCivil(Date date) {
    return civilFromDays(static_cast<std::int64_t>(date.day) - kUnixEpochDay);
}

bool isValidCivil(int year, unsigned month, unsigned day) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    constexpr std::array<unsigned, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const unsigned last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

bool inRange(Date date) {
    return date >= kFirstDate && date <= kLastDate;
}

bool IsDate(std::string_view text) {
    return parse(text).has_value();
}

std::optional<Date> CDate(std::string_view text) {
    return parse(text);
}

std::optional<Date> DateValue(std::string_view text) {
    return parse(text);
}

std::optional<Date> DateAdd(std::int64_t days, Date date) {
    constexpr std::int64_t kSpan = std::int64_t{kLastDate.day} - kFirstDate.day;
    if (days > kSpan || days < -kSpan) {
        return std::nullopt;
    }
    const Date result{static_cast<std::int32_t>(date.day + days)};
    if (!inRange(result)) {
        return std::nullopt;
    }
    return result;
}

std::int64_t DateDiff(Date from, Date to) {
    return static_cast<std::int64_t>(to.day) - static_cast<std::int64_t>(from.day);
}

std::string CStr(Date date) {
    const CivilDate c = toCivil(date);
    return std::to_string(c.month) + "/" + std::to_string(c.day) + "/" + std::to_string(c.year);
}

}  // namespace corvell
