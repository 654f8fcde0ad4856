#include "shell/ratefield.h"

#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

Reaction leaveRateField(std::string& text, ControlName control) {
    if (!fieldNumber(text)) {
        return notValidNumber(text, control);
    }
    text = Format(text, "###0.00");
    return {};
}

}  // namespace corvell
