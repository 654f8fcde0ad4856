#include "shell/refusals.h"

namespace corvell {

Reaction notValidDate(const std::string& text, std::string control) {
    return Reaction::refuse(text + " is not a valid date.", std::move(control));
}

Reaction notValidNumber(const std::string& text, std::string control) {
    return Reaction::refuse(text + " is not a valid number.", std::move(control));
}

}  // namespace corvell
