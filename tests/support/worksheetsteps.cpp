#include "tests/support/worksheetsteps.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/dates.h"

namespace corvell {
namespace {

// What a written figure may stand for; a date is a day count.
struct Range {
    double lo = 0;
    double hi = 0;
    bool date = false;
};

// A little slack for this checker's own arithmetic.
Range widened(Range r) {
    const double slack = 1e-15 * std::max(std::fabs(r.lo), std::fabs(r.hi));
    return {r.lo - slack, r.hi + slack, r.date};
}

struct Failure {
    std::string why;
};

class Keying {
public:
    explicit Keying(std::string_view text) : text_(text) {}

    Range side() {
        const Range r = expression();
        if (pos_ != text_.size()) {
            fail("cannot read \"" + std::string(text_.substr(pos_)) + "\"");
        }
        return r;
    }

private:
    [[noreturn]] void fail(const std::string& why) const { throw Failure{why}; }

    bool take(std::string_view token) {
        if (text_.substr(pos_, token.size()) == token) {
            pos_ += token.size();
            return true;
        }
        return false;
    }

    // Left to right, with no precedence: as a desk calculator is keyed.
    Range expression() {
        Range value = term();
        while (true) {
            if (take(" + ")) {
                value = add(value, term(), 1);
            } else if (take(" - ")) {
                value = add(value, term(), -1);
            } else if (take(" x ")) {
                value = multiply(value, term());
            } else if (take(" / ")) {
                value = divide(value, term());
            } else {
                return value;
            }
        }
    }

    Range term() {
        if (take("Int(")) {
            const Range inner = bracketed();
            return {std::floor(inner.lo), std::floor(inner.hi), false};
        }
        if (take("(")) {
            return bracketed();
        }
        if (take("-")) {
            const Range r = term();
            return {-r.hi, -r.lo, r.date};
        }
        return figure();
    }

    Range bracketed() {
        const Range r = expression();
        if (!take(")")) {
            fail("a bracket is not closed");
        }
        return r;
    }

    Range figure() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               std::string_view("0123456789,./E+-").find(text_[pos_]) != std::string_view::npos) {
            // A blank ends a figure; "E+" and "E-" belong to it.
            const char c = text_[pos_];
            if ((c == '+' || c == '-') && (pos_ == start || text_[pos_ - 1] != 'E')) {
                break;
            }
            ++pos_;
        }
        const std::string_view written = text_.substr(start, pos_ - start);
        if (written.empty()) {
            fail("expected a figure at \"" + std::string(text_.substr(start)) + "\"");
        }
        if (written.size() == 10 && written[2] == '/' && written[5] == '/') {
            const std::optional<Date> d = CDate(written);
            if (!d) {
                fail("\"" + std::string(written) + "\" is not a date");
            }
            return {static_cast<double>(d->day), static_cast<double>(d->day), true};
        }
        return number(written);
    }

    Range number(std::string_view written) const {
        std::string plain;
        for (char c : written) {
            if (c != ',') {
                plain += c;
            }
        }
        char* end = nullptr;
        const double x = std::strtod(plain.c_str(), &end);
        if (end != plain.c_str() + plain.size() || plain.find('/') != std::string::npos) {
            fail("\"" + std::string(written) + "\" is not a figure");
        }
        if (x == 0) {
            return {0, 0, false};
        }
        // Written to 15 significant digits: half a unit of the 15th.
        const double half = 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 14);
        return {x - half, x + half, false};
    }

    Range add(Range a, Range b, int sign) const {
        if (b.date && (sign > 0 || !a.date)) {
            fail("a date is added, or taken from a number");
        }
        const Range s = sign > 0 ? Range{a.lo + b.lo, a.hi + b.hi, a.date}
                                 : Range{a.lo - b.hi, a.hi - b.lo, a.date && !b.date};
        return widened(s);
    }

    Range multiply(Range a, Range b) const {
        if (a.date || b.date) {
            fail("a date is multiplied");
        }
        const double c[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
        return widened({*std::min_element(c, c + 4), *std::max_element(c, c + 4), false});
    }

    Range divide(Range a, Range b) const {
        if (a.date || b.date) {
            fail("a date is divided");
        }
        if (b.lo <= 0 && b.hi >= 0) {
            fail("it divides by zero");
        }
        const double c[] = {a.lo / b.lo, a.lo / b.hi, a.hi / b.lo, a.hi / b.hi};
        return widened({*std::min_element(c, c + 4), *std::max_element(c, c + 4), false});
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::vector<std::string_view> split(std::string_view text, std::string_view by) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (true) {
        const std::size_t next = text.find(by, at);
        parts.push_back(text.substr(at, next - at));
        if (next == std::string_view::npos) {
            return parts;
        }
        at = next + by.size();
    }
}

bool meets(Range a, Range b) {
    return a.date == b.date && a.lo <= b.hi && b.lo <= a.hi;
}

std::string written(Range r) {
    return std::to_string(r.lo) + " to " + std::to_string(r.hi);
}

// Text without grouping commas, currency signs and blanks.
std::string plainFigure(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c != '$' && c != ',' && c != ' ') {
            plain += c;
        }
    }
    return plain;
}

bool isNumber(const std::string& plain) {
    char* end = nullptr;
    std::strtod(plain.c_str(), &end);
    return !plain.empty() && end == plain.c_str() + plain.size();
}

// A written figure rounded to `decimals`, halves away from zero, on its
// decimal digits: "-12.495" to 2 decimals is -12.50.
double roundedWritten(const std::string& plain, std::size_t decimals) {
    const std::size_t point = plain.find('.');
    if (point == std::string::npos || plain.size() - point - 1 <= decimals) {
        return std::strtod(plain.c_str(), nullptr);
    }
    const bool up = plain[point + 1 + decimals] >= '5';
    const double kept = std::strtod(plain.substr(0, point + 1 + decimals).c_str(), nullptr);
    const double unit = std::pow(10.0, -static_cast<double>(decimals));
    return up ? kept + (plain.front() == '-' ? -unit : unit) : kept;
}

// ", shown 26,142.86": the last side rounded to the decimals shown. A last
// side written as one figure is rounded from its digits; one left as
// arithmetic, from what it may come to.
void checkShown(std::string_view shown, std::string_view lastSide, Range last) {
    shown = shown.substr(0, shown.find(" ("));
    const std::string x = plainFigure(shown);
    if (!isNumber(x)) {
        throw Failure{"the shown \"" + std::string(shown) + "\" is not a figure"};
    }
    const std::size_t point = x.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : x.size() - point - 1;
    const double value = std::strtod(x.c_str(), nullptr);
    const std::string lastFigure = plainFigure(lastSide);
    const bool figureOnly =
        isNumber(lastFigure) && lastFigure.find_first_of("eE") == std::string::npos;
    if (figureOnly) {
        const double rounded = roundedWritten(lastFigure, decimals);
        if (std::fabs(rounded - value) > 1e-9 * std::max(1.0, std::fabs(value))) {
            throw Failure{"it shows " + std::string(shown) + " for " + std::string(lastSide)};
        }
        return;
    }
    const double half = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    if (!meets(widened({value - half, value + half, false}), last)) {
        throw Failure{"it shows " + std::string(shown) + " for " + written(last)};
    }
}

}  // namespace

std::optional<std::string> wrongStep(std::string_view line) {
    try {
        std::string_view steps = line;
        std::string_view suffix;
        if (const std::size_t shown = line.rfind(", shown "); shown != std::string_view::npos) {
            steps = line.substr(0, shown);
            suffix = line.substr(shown + 2);
        }
        const std::vector<std::string_view> parts = split(steps, " = ");
        if (parts.size() < (suffix.empty() ? 3U : 2U)) {
            return "a step needs a label and two sides, or one and what it shows";
        }
        std::optional<Range> before;
        std::string_view side;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            side = parts[i];
            constexpr std::string_view unrounded = " (unrounded)";
            if (side.ends_with(unrounded)) {
                side.remove_suffix(unrounded.size());
            }
            const Range r = Keying(side).side();
            if (before && !meets(*before, r)) {
                return "\"" + std::string(parts[i - 1]) + "\" comes to " + written(*before) +
                       ", not \"" + std::string(side) + "\"";
            }
            before = r;
        }
        if (suffix.starts_with("shown ")) {
            checkShown(suffix.substr(6), side, *before);
        }
        return std::nullopt;
    } catch (const Failure& f) {
        return f.why;
    }
}

std::optional<std::string> firstWrongStep(const Worksheet& sheet) {
    for (const WorksheetLine& line : sheet.lines()) {
        if (line.kind != WorksheetLine::Kind::Step) {
            continue;
        }
        if (const std::optional<std::string> why = wrongStep(line.text)) {
            return "\"" + line.text + "\": " + *why;
        }
    }
    return std::nullopt;
}

}  // namespace corvell
