#pragma once
// What the three offset windows share beyond the shell: the rate field's
// re-format, the refusal of figures no result can hold, and the print job.

#include <string>
#include <string_view>

#include "shell/controlname.h"
#include "shell/reaction.h"
#include "shell/report.h"

namespace corvell {

// A rate field left by the operator shows its number with two decimals and
// no grouping ("500" -> "500.00", "1,000" -> "1000.00"); empty text and text
// that is no number stay as typed.
std::string rateOnLeaving(std::string_view typed);

// Figures so large that the result would not be a number: refused rather
// than shown as "Infinity".
Reaction tooLargeToCalculate(ControlName control);

}  // namespace corvell
