#pragma once
// What the three offset windows share beyond the shell: the refusal of
// figures no result can hold, and of an offset that leaves no compensation.

#include "shell/controlname.h"
#include "shell/reaction.h"

namespace corvell {

// Figures so large that the result would not be a number: refused rather
// than shown as "Infinity".
Reaction tooLargeToCalculate(ControlName control);

// A weekly offset larger than the weekly rate would leave a rate below
// zero: refused in words, with both amounts.
Reaction offsetAboveRate(double weeklyOffset, double weeklyRate, ControlName control);

}  // namespace corvell
