#pragma once
// The refusals every calculator shares: the message names what was typed,
// and the field gets the focus back with its whole text selected.

#include <string>

#include "shell/controlname.h"
#include "shell/numberfield.h"
#include "shell/reaction.h"
#include "shell/worksheet.h"

namespace corvell {

// "<text> is not a valid date."
Reaction notValidDate(const std::string& text, ControlName control);
// A failed check as the window shows it.
Reaction refused(const Refusal& refusal);

// The field a refusal puts the focus back into, by name; empty when it puts
// it nowhere.
std::string refusedField(const Reaction& refusal);

// A Calculate's reaction; a refusal is noted in the window's log for its
// worksheet.
template <class Record>
Reaction logRefusal(CalculationLog<Record>& log, Reaction reaction) {
    if (reaction.message) {
        log.refused(reaction.message->text, refusedField(reaction));
    }
    return reaction;
}

}  // namespace corvell
