#pragma once
// Date fields complete what the operator typed as bare digits when the field
// is left: eight digits (a Val above 1,000,000) are read as mmddyyyy and come
// back as mm/dd/yyyy; six digits (a Val above 10,000) as mmddyy and come back
// as mm/dd/yy, which the window's own re-format then writes out in full.
// Both thresholds are strict. Anything else comes back as typed. Each window
// checks and re-formats the result its own way.

#include <string>
#include <string_view>
#include <variant>

#include "shell/controlname.h"
#include "shell/dates.h"
#include "shell/reaction.h"

namespace corvell {

std::string completeDateDigits(std::string_view typed);

// Leaving a date field whose date the window keeps as soon as it is valid:
// bare digits are completed (01152004 and 011504 become 01/15/2004), a date
// is written out as mm/dd/yyyy and kept in `kept`; other text is refused
// ("<text> is not a valid date.") and stays as it then reads. An empty field
// leaves `kept` as it is.
Reaction leaveKeptDate(std::string& text, Date& kept, ControlName control);

// A calculation's check of its beginning date: required ("Beginning Date is
// requireed for any calculation.") and a date; the field is then written out
// as mm/dd/yyyy. The date, or the refusal.
std::variant<Date, Reaction> requiredBeginningDate(std::string& text, ControlName control);

}  // namespace corvell
