#include "shell/numberfield.h"

#include "shell/values.h"

namespace corvell {

NumberRead readField(const NumberField& field, std::string_view text) {
    const std::optional<double> number = fieldNumber(text, field.percentSign);
    auto refuse = [&](std::string message) {
        return NumberRead{0, Refusal{std::move(message), field.control}};
    };
    if (!number) {
        return refuse(std::string(text) + " is not a valid number.");
    }
    const std::string_view label = field.label;
    switch (field.bounds) {
        case Bounds::NotNegative:
            if (*number < 0) {
                return refuse(std::string(label) + " cannot be negative.");
            }
            break;
        case Bounds::Percentage:
            if (*number < 0 || *number > 100) {
                return refuse(std::string(label) + " must be from 0 to 100.");
            }
            break;
        case Bounds::CheckedByWindow:
            break;
    }
    return NumberRead{*number, std::nullopt};
}

}  // namespace corvell
