#pragma once
// A number field of a calculator window: how its text is read and the range
// its number must lie in, declared once with the field's control name. Every
// window, its worksheet and its claim files read a field through this.

#include <optional>
#include <string>
#include <string_view>

#include "shell/controlname.h"

namespace corvell {

// A check that failed: the message and the field that gets the focus back.
struct Refusal {
    std::string message;
    ControlName control;
};

enum class Bounds {
    NotNegative,      // "<label> cannot be negative."
    Percentage,       // "<label> must be from 0 to 100."
    CheckedByWindow,  // any number; the window checks its range in its own words
};

struct NumberField {
    ControlName control;
    std::string_view label;  // the field as its window's label names it
    Bounds bounds = Bounds::NotNegative;
    bool percentSign = false;  // a trailing "%" is allowed ("60%")
};

// A field's number, or why it was refused.
struct NumberRead {
    double value = 0;
    std::optional<Refusal> refusal;

    explicit operator bool() const { return !refusal; }
    double operator*() const { return value; }
};

// The field's whole text as a number (see fieldNumber in values.h), then its
// range: "<text> is not a valid number." for text that is no number, the
// bounds' message for a number out of range. Empty text reads as 0.
NumberRead readField(const NumberField& field, std::string_view text);

}  // namespace corvell
