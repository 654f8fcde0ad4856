#include "shell/refusals.h"

namespace corvell {

Reaction notValidDate(const std::string& text, ControlName control) {
    return Reaction::refuse(text + " is not a valid date.", control);
}

Reaction refused(const Refusal& refusal) {
    return Reaction::refuse(refusal.message, refusal.control);
}

std::string refusedField(const Reaction& refusal) {
    return refusal.focus ? std::string(refusal.focus->control.name()) : std::string();
}

}  // namespace corvell
