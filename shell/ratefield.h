#pragma once
// Rate fields re-write their number when they are left: two decimals, no
// grouping ("500" -> "500.00", "1,250" -> "1250.00"). Empty text and text
// that the field's reading refuses stay as typed, and are refused with the
// reading's message ("<text> is not a valid number.", "Rate cannot be
// negative.") as soon as the field is left.

#include <string>

#include "shell/numberfield.h"
#include "shell/reaction.h"

namespace corvell {

// Re-writes `text` as above; the refusal, or an empty reaction.
Reaction leaveRateField(std::string& text, const NumberField& field);

}  // namespace corvell
