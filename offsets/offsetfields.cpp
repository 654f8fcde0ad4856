#include "offsets/offsetfields.h"

namespace corvell {

Reaction tooLargeToCalculate(ControlName control) {
    return Reaction::refuse("The amounts entered are too large to calculate.", control);
}

}  // namespace corvell
