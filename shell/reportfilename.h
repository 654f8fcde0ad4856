#pragma once
// The name a report's PDF file is given unless the operator chooses another:
// the report's title, the first line of its case caption and the day, joined
// by " - ", as in "Interest Calculation - Smith v. Acme Mills - 2026-12-08.pdf".
// Other files made from a report's figures (the ledger as CSV) are named
// alike, with their own extension.

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/clock.h"

namespace corvell {

// The longest caption part a name takes, in bytes: with the longest title and
// the date the name stays well inside the 255 bytes a file name may have.
inline constexpr std::size_t kFileNameCaptionBytes = 120;

// Characters no file name can hold (/ \ : * ? " < > | and control
// characters) are left out, blanks at either end trimmed; a part that
// leaves nothing is left out with its " - ".
std::string reportFileName(std::string_view title, std::string_view caseCaption,
                           const LocalTime& day, std::string_view extension = "pdf");

// The name a claim file is proposed under: the first line of the case
// caption, cleaned as above, then ".claim"; "Untitled.claim" when that
// leaves nothing.
std::string claimFileName(std::string_view caseCaption);

}  // namespace corvell
