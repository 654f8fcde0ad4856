#pragma once
// Rate fields re-write their number when they are left: two decimals, no
// grouping ("500" -> "500.00", "1,250" -> "1250.00"). Empty text and text
// that is no number stay as typed. A number beyond the range of a double
// stays as typed too, and is refused ("<text> is not a valid number.") so
// that it is never taken for 0.

#include <string>

#include "shell/controlname.h"
#include "shell/reaction.h"

namespace corvell {

// Re-writes `text` as above; the refusal, or an empty reaction.
Reaction leaveRateField(std::string& text, ControlName control);

}  // namespace corvell
