#pragma once
// What the three offset windows share beyond the shell: the refusal of
// figures no result can hold.

#include "shell/controlname.h"
#include "shell/reaction.h"

namespace corvell {

// Figures so large that the result would not be a number: refused rather
// than shown as "Infinity".
Reaction tooLargeToCalculate(ControlName control);

}  // namespace corvell
