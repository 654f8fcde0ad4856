#pragma once
// The refusals every calculator shares: the message names what was typed,
// and the field gets the focus back with its whole text selected.

#include <string>

#include "shell/controlname.h"
#include "shell/reaction.h"

namespace corvell {

// "<text> is not a valid date."
Reaction notValidDate(const std::string& text, ControlName control);
// "<text> is not a valid number."
Reaction notValidNumber(const std::string& text, ControlName control);

// The field a refusal puts the focus back into, by name; empty when it puts
// it nowhere.
std::string refusedField(const Reaction& refusal);

}  // namespace corvell
