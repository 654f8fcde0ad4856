#pragma once
// Date fields complete what the operator typed as bare digits when the field
// is left: eight digits (a Val above 1,000,000) are read as mmddyyyy and come
// back as mm/dd/yyyy; six digits (a Val above 10,000) as mmddyy and come back
// as mm/dd/yy, which the window's own re-format then writes out in full.
// Both thresholds are strict. Anything else comes back as typed. Each window
// checks and re-formats the result its own way.

#include <string>
#include <string_view>

namespace corvell {

std::string completeDateDigits(std::string_view typed);

}  // namespace corvell
