#include "offsets/offsetfields.h"

#include "shell/format.h"

namespace corvell {

Reaction tooLargeToCalculate(ControlName control) {
    return Reaction::refuse("The amounts entered are too large to calculate.", control);
}

Reaction offsetAboveRate(double weeklyOffset, double weeklyRate, ControlName control) {
    return Reaction::refuse("The offset of " + Format(weeklyOffset, "#,##0.00") +
                                " a week is larger than the weekly rate of " +
                                Format(weeklyRate, "#,##0.00") + ": no compensation remains.",
                            control);
}

}  // namespace corvell
