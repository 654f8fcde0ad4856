#pragma once
// The beginning date of the commutation and lump sum offset windows, which
// both keep it (as "BeginDate") once it is known to be a date.

#include <optional>
#include <string_view>

#include "fuzz/expectedanswer.h"
#include "fuzz/session.h"

namespace corvell::fuzz {

// Calculate's first check: the date required, then a date.
struct BeginningDate {
    std::optional<Date> date;
    std::optional<ExpectedRefusal> refusal;
};
BeginningDate beginningDateAsRead(std::string_view typed, ControlName field);

// Past its first check, Calculate shows the beginning date as mm/dd/yyyy and
// keeps it, whatever a later check says.
void expectBeginningDateKept(const Fired& f, ControlName field, Date date);

// Leaving the field completes bare digits (fuzz/reading.h); a date is then
// written out as mm/dd/yyyy and kept, other text refused as completed, and
// an empty field changes nothing.
void expectBeginningDateLeft(const Fired& f, ControlName field);

}  // namespace corvell::fuzz
