#include "shell/values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace corvell {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod on a canonical ASCII number; std::nullopt when the number lies
// beyond the range of a double (one too small for it reads as 0). The
// largest double shows as 1.79769313486232E+308 at 15 digits, a hair above
// itself: what shows the largest double reads back as the largest double.
std::optional<double> toDouble(const std::string& canonical) {
    if (canonical.empty()) {
        return std::nullopt;
    }
    const double value = std::strtod(canonical.c_str(), nullptr);
    if (std::isfinite(value)) {
        return value;
    }
    const long double wide = std::strtold(canonical.c_str(), nullptr);
    if (std::fabs(wide) <= 1.79769313486232e308L) {
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    return std::nullopt;
}

// Reads [sign] digits [. digits] [exponent] from the front of `s` into a
// canonical form strtod understands; `used` says how many characters were
// part of the number. The exponent marker may be E or D, as typed by people
// used to older calculators; without digits after it, it is not part of the
// number.
std::string scanNumber(std::string_view s, std::size_t& used, bool& sawDigit) {
    std::string out;
    std::size_t i = 0;
    sawDigit = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out += s[i++];
    }
    while (i < s.size() && isDigit(s[i])) {
        out += s[i++];
        sawDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        out += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            out += s[i++];
            sawDigit = true;
        }
    }
    if (sawDigit && i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j++];
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                exponent += s[j++];
            }
            out += exponent;
            i = j;
        }
    }
    used = i;
    return out;
}

// The number at the front of the text as Val reads it (blanks, tabs and line
// feeds dropped anywhere), in canonical form; std::nullopt when the text
// starts with no number.
std::optional<std::string> leadingNumber(std::string_view text) {
    std::string squeezed;
    squeezed.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            squeezed += c;
        }
    }
    std::size_t used = 0;
    bool sawDigit = false;
    std::string canonical = scanNumber(squeezed, used, sawDigit);
    if (!sawDigit) {
        return std::nullopt;
    }
    return canonical;
}

// The number the whole text spells as CDbl reads it, in canonical form;
// std::nullopt when the text is not wholly a number.
std::optional<std::string> wholeNumber(std::string_view text) {
    const std::string_view s = trim(text);
    std::string canonical;
    std::size_t i = 0;
    auto sign = [&] {
        if (canonical.empty() && i < s.size() && (s[i] == '+' || s[i] == '-')) {
            canonical += s[i++];
        }
    };
    sign();
    if (i < s.size() && s[i] == '$') {
        ++i;
        sign();
    }
    // Whole part: digits, thousands separators only between digits.
    bool sawDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        canonical += s[i++];
        sawDigit = true;
        if (i + 1 < s.size() && s[i] == ',' && isDigit(s[i + 1])) {
            ++i;
        }
    }
    if (i < s.size() && s[i] == '.') {
        canonical += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            canonical += s[i++];
            sawDigit = true;
        }
    }
    if (!sawDigit) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        canonical += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            canonical += s[i++];
        }
        bool exponentDigit = false;
        while (i < s.size() && isDigit(s[i])) {
            canonical += s[i++];
            exponentDigit = true;
        }
        if (!exponentDigit) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return canonical;
}

}  // namespace

double Val(std::string_view text) {
    const std::optional<std::string> leading = leadingNumber(text);
    if (!leading) {
        return 0.0;
    }
    return toDouble(*leading).value_or(0.0);
}

std::optional<double> CDbl(std::string_view text) {
    const std::optional<std::string> whole = wholeNumber(text);
    if (!whole) {
        return std::nullopt;
    }
    return toDouble(*whole);
}

std::optional<double> fieldNumber(std::string_view text, bool percentSign) {
    std::string_view number = trim(text);
    if (number.empty()) {
        return 0.0;
    }
    if (percentSign && number.back() == '%') {
        number = trim(number.substr(0, number.size() - 1));
    }
    return CDbl(number);
}

double Int(double x) {
    return std::floor(x);
}

double roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5) {
        return lower;
    }
    if (diff > 0.5) {
        return lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<std::int16_t> CInt(double x) {
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> CLng(double x) {
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

namespace {

// The decimal form of |x| without sign; `leadingZero` decides whether a
// magnitude below 1 shows "0." or just ".".
std::string decimalForm(double x, bool leadingZero) {
    if (x == 0.0) {
        return "0";
    }
    if (!std::isfinite(x)) {
        return std::isnan(x) ? "NaN" : "Infinity";
    }
    const FifteenDigits f = fifteenDigits(x);
    std::string_view digits(f.digits, sizeof f.digits);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.remove_suffix(1);
    }
    const int exponent = f.exponent;
    std::string out;
    out.reserve(24);
    if (exponent >= 15 || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
        return out;
    }
    if (exponent < 0) {
        out += leadingZero ? "0." : ".";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    out += digits.substr(0, whole);
    if (digits.size() <= whole) {
        out.append(whole - digits.size(), '0');
    } else {
        out += '.';
        out += digits.substr(whole);
    }
    return out;
}

}  // namespace

FifteenDigits fifteenDigits(double x) {
    // "d.dddddddddddddde+dd": to_chars rounds as printf does, without its cost.
    char text[32];
#if defined(__cpp_lib_to_chars)
    const char* end =
        std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 14)
            .ptr;
#else
    const char* end = text + std::snprintf(text, sizeof text, "%.14e", std::fabs(x));
#endif
    FifteenDigits f{};
    f.digits[0] = text[0];
    std::copy(text + 2, text + 16, f.digits + 1);
    const char* exponent = text + 17;  // after the 'e'
    const bool negative = *exponent == '-';
    std::from_chars(exponent + 1, end, f.exponent);
    f.exponent = negative ? -f.exponent : f.exponent;
    return f;
}

std::string shortestText(double x) {
#if defined(__cpp_lib_to_chars)
    char text[64];
    const char* end = std::to_chars(text, text + sizeof text, x).ptr;
    return std::string(static_cast<const char*>(text), end);
#else
    return shortestTextByPrintf(x);
#endif
}

// The fewest significant digits that read back as x, each count tried with
// printf's correctly rounded "%.*e"; then the fixed or the exponent form,
// whichever is shorter (fixed on a tie), as to_chars chooses.
std::string shortestTextByPrintf(double x) {
    if (!std::isfinite(x)) {
        return std::isnan(x) ? (std::signbit(x) ? "-nan" : "nan") : (x < 0 ? "-inf" : "inf");
    }
    const std::string sign = std::signbit(x) ? "-" : "";
    if (x == 0) {
        return sign + "0";
    }
    char text[40];
    int precision = 0;
    for (; precision < 17; ++precision) {
        std::snprintf(text, sizeof text, "%.*e", precision, std::fabs(x));
        if (std::strtod(text, nullptr) == std::fabs(x)) {
            break;
        }
    }
    const std::string scientific = sign + text;
    // The digits without the point, and the decimal exponent of the first.
    std::string digits(1, text[0]);
    if (precision > 0) {
        digits.append(text + 2, static_cast<std::size_t>(precision));
    }
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    const auto count = static_cast<int>(digits.size());
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= count) {
        // A whole number is written out exactly, every digit the double holds.
        char whole[320];
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(x));
        fixed = whole;
    } else {
        fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    fixed = sign + fixed;
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

std::string Str(double x) {
    const std::string body = decimalForm(x, false);
    return (x < 0 ? "-" : " ") + body;
}

std::string CStr(double x) {
    const std::string body = decimalForm(x, true);
    return x < 0 ? "-" + body : body;
}

std::string_view trimLeft(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    return text.substr(i);
}

std::string_view trim(std::string_view text) {
    text = trimLeft(text);
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string UCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string Left(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string Mid(std::string_view text, std::size_t start1, std::size_t n) {
    if (start1 == 0 || start1 > text.size()) {
        return {};
    }
    return std::string(text.substr(start1 - 1, n));
}

std::string Right(std::string_view text, std::size_t n) {
    return n >= text.size() ? std::string(text) : std::string(text.substr(text.size() - n));
}

}  // namespace corvell
