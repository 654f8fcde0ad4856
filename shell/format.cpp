#include "shell/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "shell/values.h"

namespace corvell {
namespace {

struct NumericPattern {
    std::string prefix;
    std::string suffix;
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
    p.prefix = std::string(pattern.substr(0, first));
    p.suffix = std::string(pattern.substr(last));
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
// `decimals` places, as whole digits and fraction digits.
void roundedDigits(double value, std::size_t decimals, std::string& whole, std::string& fraction) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    digits += buffer[0];
    const char* p = buffer + 2;
    while (*p != 'e') {
        digits += *p++;
    }
    const int exponent = std::atoi(p + 1);
    // Place the digits: value = 0.digits * 10^(exponent + 1).
    long pointAt = exponent + 1;  // digits before the decimal point
    if (value == 0.0) {
        digits = "0";
        pointAt = 1;
    }
    if (pointAt <= 0) {
        digits = std::string(static_cast<std::size_t>(-pointAt) + 1, '0') + digits;
        pointAt = 1;
    }
    if (static_cast<long>(digits.size()) < pointAt) {
        digits += std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    }
    const std::size_t keep = static_cast<std::size_t>(pointAt) + decimals;
    if (digits.size() < keep + 1) {
        digits += std::string(keep + 1 - digits.size(), '0');
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++pointAt;
            }
        }
    }
    whole = digits.substr(0, static_cast<std::size_t>(pointAt));
    fraction = digits.substr(static_cast<std::size_t>(pointAt));
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return CStr(value);
    }
    const NumericPattern p = parseNumeric(pattern);
    std::string whole;
    std::string fraction;
    roundedDigits(value, p.decimals, whole, fraction);

    const bool nonZero = whole.find_first_not_of('0') != std::string::npos ||
                         fraction.find_first_not_of('0') != std::string::npos;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() < p.minWholeDigits) {
        whole.insert(0, p.minWholeDigits - whole.size(), '0');
    }
    if (p.grouping) {
        for (std::size_t i = whole.size(); i > 3; i -= 3) {
            whole.insert(i - 3, ",");
        }
    }
    while (fraction.size() > p.forcedDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string out = (value < 0 && nonZero) ? "-" : "";
    out += p.prefix + whole;
    if (p.decimalPoint) {
        out += "." + fraction;
    }
    return out + p.suffix;
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
