#include "fuzz/figures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "shell/format.h"

namespace corvell::fuzz {

double readNumber(const std::string& text) {
    const std::optional<double> number = typedNumber(text);
    FUZZ_CHECK(number.has_value(), "Calculate read \"%s\", which is no number", text.c_str());
    return *number;
}

namespace {

// How far apart two sound computations of one count of days may lie.
constexpr double kCountSlack = 1e-15;
constexpr double kNearlyWhole = 1e-12;

double wholeDaysOf(double days) {
    const double next = std::ceil(days);
    if (next > days && next - days <= kNearlyWhole * std::max(1.0, std::fabs(days))) {
        return next;
    }
    return std::floor(days);
}

}  // namespace

bool showsFigure(std::string_view shown, double expected, double scale, std::string_view pattern) {
    if (!std::isfinite(expected)) {
        return false;
    }
    if (shown == Format(expected, pattern)) {
        return true;
    }
    const double slack = kFigureSlack * std::max(std::fabs(scale), std::fabs(expected));
    const std::string low = Format(expected - slack, pattern);
    const std::string high = Format(expected + slack, pattern);
    if (shown == low || shown == high) {
        return true;
    }
    // A slack wider than the last shown digit: any figure in between, as
    // Format writes it.
    const auto value = wholeTextNumber(shown);
    const auto lowest = wholeTextNumber(low);
    const auto highest = wholeTextNumber(high);
    return value && lowest && highest && *lowest <= *value && *value <= *highest &&
           Format(*value, pattern) == shown;
}

void expectFigure(const Fired& f, ControlName field, double expected, double scale,
                  std::string_view pattern) {
    const std::string& text = f.after.text(field);
    FUZZ_CHECK(showsFigure(text, expected, scale, pattern),
               "%s shows %s \"%s\", the rules make it %.17g (\"%s\")", f.describe().c_str(),
               nameOf(field).c_str(), text.c_str(), expected, Format(expected, pattern).c_str());
}

bool nearFigure(double kept, double expected, double scale) {
    return kept == expected || std::fabs(kept - expected) <=
                                   kFigureSlack * std::max(std::fabs(scale), std::fabs(expected));
}

std::vector<double> wholeDayChoices(double days) {
    std::vector<double> choices;
    for (const double count : {days * (1 - kCountSlack), days, days * (1 + kCountSlack)}) {
        choices.push_back(wholeDaysOf(count));
        // Where a hair short reaches a tenth of a day, "a hair" is a matter
        // of reading: plain rounding down counts too.
        if (kNearlyWhole * std::fabs(count) >= 0.1) {
            choices.push_back(std::floor(count));
            choices.push_back(std::ceil(count));
        }
    }
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
    return choices;
}

}  // namespace corvell::fuzz
