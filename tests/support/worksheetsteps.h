#pragma once
// Checks a worksheet as a reader with a desk calculator would: every step
// line is keyed again from its own figures, left to right, brackets first,
// and each side of it must come to the next. Each figure stands for what it
// rounds from (a worksheet writes 15 significant digits), so the sides are
// compared as ranges; "Int(...)" takes the whole part, a date plus days is a
// date, and ", shown <text>" must be the last side rounded to the decimals
// shown. Qt-free, for the tests and the fuzz targets alike.

#include <optional>
#include <string>
#include <string_view>

#include "shell/worksheet.h"

namespace corvell {

// Why one step line does not hold, or std::nullopt when it does.
std::optional<std::string> wrongStep(std::string_view line);

// The first step of the worksheet that does not hold, with why.
std::optional<std::string> firstWrongStep(const Worksheet& sheet);

}  // namespace corvell
