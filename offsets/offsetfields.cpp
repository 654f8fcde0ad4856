#include "offsets/offsetfields.h"

#include "shell/format.h"

namespace corvell {

std::string rateOnLeaving(std::string_view typed) {
    return Format(typed, "###0.00");
}

Reaction tooLargeToCalculate(ControlName control) {
    return Reaction::refuse("The amounts entered are too large to calculate.", control);
}

}  // namespace corvell
