#pragma once
// Figures a fuzz target works out itself from the rules, set against what a
// window shows. Two sound ways of working out a figure may differ in its last
// binary digits (a sum taken in another order, a quotient taken before a
// product instead of after it). Where that difference straddles a rounding
// boundary of the display (a figure on .005 shows as either neighbour) both
// texts are right. The slack is relative to the size of the terms the figure
// is made of, since a difference of large terms carries their rounding: far
// below a cent on any claim, far above the error of a few operations.

#include <string_view>
#include <vector>

#include "fuzz/session.h"

namespace corvell::fuzz {

inline constexpr double kFigureSlack = 1e-12;

// A number field's text as a successful Calculate has read it
// (typedNumber): never text that is no number, which Calculate refuses.
double readNumber(const std::string& text);

// True when `shown` is Format(expected, pattern), or expected sits within the
// slack of `scale` (at least |expected|) of a rounding boundary and `shown`
// is what a figure on the other side of it, or between, shows as.
bool showsFigure(std::string_view shown, double expected, double scale, std::string_view pattern);

// Stops the run when the field does not show the figure.
void expectFigure(const Fired& f, ControlName field, double expected, double scale,
                  std::string_view pattern);

// True when a kept value is the figure, within the slack of `scale`.
bool nearFigure(double kept, double expected, double scale);

// The whole days a count of days worked out from money comes to: rounded
// down, except that a count a hair short of a whole number (within 1e-12 of
// the count, and never less than 1e-12 days) is that number. Every whole
// count that the count itself, or one a few units in its last place away,
// comes to: a count on the edge of a whole day may go either way.
std::vector<double> wholeDayChoices(double days);

}  // namespace corvell::fuzz
