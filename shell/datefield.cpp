#include "shell/datefield.h"

#include "shell/format.h"
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

}  // namespace corvell
