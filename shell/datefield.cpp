#include "shell/datefield.h"

#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

std::string completeDateDigits(std::string_view typed) {
    const double v = Val(typed);
    if (v > 1000000) {
        return Format(Left(typed, 2) + "/" + Mid(typed, 3, 2) + "/" + Right(typed, 4),
                      "mm/dd/yyyy");
    }
    if (v > 10000) {
        return Left(typed, 2) + "/" + Mid(typed, 3, 2) + "/" + Right(typed, 2);
    }
    return std::string(typed);
}

Reaction leaveKeptDate(std::string& text, Date& kept, ControlName control) {
    text = completeDateDigits(text);
    if (text.empty()) {
        return {};
    }
    const std::optional<Date> date = CDate(text);
    if (!date) {
        return notValidDate(text, control);
    }
    kept = *date;
    text = Format(*date, "mm/dd/yyyy");
    return {};
}

std::variant<Date, Reaction> requiredBeginningDate(std::string& text, ControlName control) {
    if (text.empty()) {
        return Reaction::refuse("Beginning Date is requireed for any calculation.", control);
    }
    const std::optional<Date> date = CDate(text);
    if (!date) {
        return notValidDate(text, control);
    }
    text = Format(*date, "mm/dd/yyyy");
    return *date;
}

}  // namespace corvell
