#include "shell/format.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "shell/values.h"

namespace corvell {
namespace {

struct NumericPattern {
    std::string_view prefix;
    std::string_view suffix;
    bool grouping = false;
    bool decimalPoint = false;
    std::size_t minWholeDigits = 0;
    std::size_t forcedDecimals = 0;
    std::size_t decimals = 0;
};

bool isNumberChar(char c) {
    return c == '#' || c == '0' || c == '.' || c == ',';
}

NumericPattern parseNumeric(std::string_view pattern) {
    NumericPattern p;
    std::size_t first = 0;
    while (first < pattern.size() && !isNumberChar(pattern[first])) {
        ++first;
    }
    std::size_t last = pattern.size();
    while (last > first && !isNumberChar(pattern[last - 1])) {
        --last;
    }
    p.prefix = pattern.substr(0, first);
    p.suffix = pattern.substr(last);
    const std::string_view body = pattern.substr(first, last - first);
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    p.decimalPoint = point != std::string_view::npos;
    const std::string_view fraction = p.decimalPoint ? body.substr(point + 1) : std::string_view();

    std::size_t placeholders = 0;
    bool zeroSeen = false;
    for (char c : whole) {
        if (c == ',') {
            p.grouping = true;
        } else if (c == '0' || c == '#') {
            zeroSeen = zeroSeen || c == '0';
            if (zeroSeen) {
                ++placeholders;
            }
        }
    }
    p.minWholeDigits = placeholders;
    std::size_t position = 0;
    for (char c : fraction) {
        if (c == '0' || c == '#') {
            ++position;
            if (c == '0') {
                p.forcedDecimals = position;
            }
        }
    }
    p.decimals = position;
    return p;
}

// |value| to 15 significant digits, rounded half away from zero to
// `decimals` places: its digits, the decimal point after the first
// `pointAt` of them (one at least, a zero when |value| < 1).
struct RoundedDigits {
    std::string digits;
    std::size_t pointAt = 1;
};

RoundedDigits roundedDigits(double value, std::size_t decimals) {
    RoundedDigits r;
    const FifteenDigits f = fifteenDigits(value);
    const long pointAt = value == 0.0 ? 1 : f.exponent + 1;
    std::string& digits = r.digits;
    digits.reserve(static_cast<std::size_t>(std::max(pointAt, 1L)) + decimals + 17);
    if (value == 0.0) {
        digits = "0";
    } else {
        if (pointAt <= 0) {
            digits.assign(static_cast<std::size_t>(-pointAt) + 1, '0');
        }
        digits.append(f.digits, sizeof f.digits);
    }
    r.pointAt = static_cast<std::size_t>(std::max(pointAt, 1L));
    const std::size_t keep = r.pointAt + decimals;
    if (digits.size() < keep + 1) {
        digits.append(keep + 1 - digits.size(), '0');
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(digits.begin(), '1');
            ++r.pointAt;
        }
    }
    return r;
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return CStr(value);
    }
    const NumericPattern p = parseNumeric(pattern);
    const RoundedDigits r = roundedDigits(value, p.decimals);
    std::string_view whole = std::string_view(r.digits).substr(0, r.pointAt);
    std::string_view fraction = std::string_view(r.digits).substr(r.pointAt);
    const bool nonZero = r.digits.find_first_not_of('0') != std::string::npos;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    while (fraction.size() > p.forcedDecimals && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    const std::size_t zeros = whole.size() < p.minWholeDigits ? p.minWholeDigits - whole.size() : 0;
    const std::size_t wholeDigits = zeros + whole.size();

    std::string out;
    out.reserve(p.prefix.size() + wholeDigits * 4 / 3 + fraction.size() + p.suffix.size() + 3);
    if (value < 0 && nonZero) {
        out += '-';
    }
    out += p.prefix;
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (p.grouping && i > 0 && (wholeDigits - i) % 3 == 0) {
            out += ',';
        }
        out += i < zeros ? '0' : whole[i - zeros];
    }
    if (p.decimalPoint) {
        out += '.';
        out += fraction;
    }
    out += p.suffix;
    return out;
}

std::string twoDigits(unsigned n) {
    std::string s = std::to_string(n % 100);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

bool isDatePattern(std::string_view pattern) {
    for (char c : pattern) {
        if (c == 'm' || c == 'M' || c == 'd' || c == 'D' || c == 'y' || c == 'Y') {
            return true;
        }
    }
    return false;
}

std::string Format(Date date, std::string_view pattern) {
    const CivilDate c = toCivil(date);
    std::string out;
    std::size_t i = 0;
    auto run = [&](char letter) {
        std::size_t n = 0;
        while (i + n < pattern.size() &&
               std::tolower(static_cast<unsigned char>(pattern[i + n])) == letter) {
            ++n;
        }
        return n;
    };
    while (i < pattern.size()) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (lower == 'm' || lower == 'd') {
            const std::size_t n = run(lower);
            const unsigned v = lower == 'm' ? c.month : c.day;
            out += n >= 2 ? twoDigits(v) : std::to_string(v);
            i += n;
        } else if (lower == 'y') {
            const std::size_t n = run('y');
            if (n >= 4) {
                std::string year = std::to_string(c.year);
                out += std::string(year.size() < 4 ? 4 - year.size() : 0, '0') + year;
            } else {
                out += twoDigits(static_cast<unsigned>(c.year));
            }
            i += n;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::string Format(double value, std::string_view pattern) {
    if (isDatePattern(pattern)) {
        const double day = std::trunc(value);
        if (!std::isfinite(value) || day < kFirstDate.day || day > kLastDate.day) {
            return CStr(value);
        }
        return Format(Date{static_cast<std::int32_t>(day)}, pattern);
    }
    return formatNumber(value, pattern);
}

std::string Format(std::string_view text, std::string_view pattern) {
    if (const auto number = CDbl(text)) {
        if (isDatePattern(pattern)) {
            const double day = std::trunc(*number);
            if (day < kFirstDate.day || day > kLastDate.day) {
                return std::string(text);
            }
        }
        return Format(*number, pattern);
    }
    if (isDatePattern(pattern)) {
        if (const auto date = CDate(text)) {
            return Format(*date, pattern);
        }
    }
    return std::string(text);
}

}  // namespace corvell
