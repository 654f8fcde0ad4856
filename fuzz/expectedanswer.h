#pragma once
// What a handler must answer, worked out by a target from the fields as
// fuzz/reading.h reads them and from the window's rules, in the window's own
// order of checks: the refusal it must give (its message and the field the
// focus returns to) or none.

#include <optional>
#include <string>
#include <string_view>

#include "fuzz/session.h"

namespace corvell::fuzz {

struct ExpectedRefusal {
    std::string message;
    std::optional<ControlName> field;  // none: a message alone
};

struct Expected {
    std::optional<ExpectedRefusal> refusal;  // none: the handler goes through
    // Figures on the edge of what a double holds, which the window may work
    // out in an order that overflows or in one that does not: this refusal
    // is right as well.
    std::optional<ExpectedRefusal> orRefusal;

    static Expected refuse(std::string message, std::optional<ControlName> field);
    static Expected of(const std::optional<ExpectedRefusal>& refusal) { return {refusal, {}}; }
};

// "<text> is not a valid date."
ExpectedRefusal notADate(std::string_view text, ControlName field);

// How a number field is declared: its label and the range its number must
// lie in.
enum class Range {
    NotNegative,  // "<label> cannot be negative."
    Percentage,   // "<label> must be from 0 to 100."
    Any,          // the window checks it in its own words
};

struct NumberRule {
    ControlName field;
    std::string_view label;
    Range range = Range::NotNegative;
    bool percentSign = false;
};

// A number field as its window must read it: the number, or the refusal.
struct FieldNumber {
    double value = 0;
    std::optional<ExpectedRefusal> refusal;
};

// "<text> is not a valid number." for text that is no number, then the
// range's message.
FieldNumber fieldAsRead(const NumberRule& rule, std::string_view text);

// Stops the run unless the handler answered as expected: the refusal's
// message with the focus on its field (or no focus for a message alone), or
// no message at all when none is expected. Returns whether it refused.
bool expectAnswer(const Fired& f, const Expected& expected);

// Leaving a number field that is written out with two decimals: refused as
// the field reads, else written out ("1,250" -> "1250.00"; blanks stay).
void expectRateFieldLeft(const Fired& f, const NumberRule& rule);

}  // namespace corvell::fuzz
