#pragma once
// The printed ledger: a landscape report in a fixed-pitch font so that its
// columns align, with a title block, the case caption, an underlined column
// header, each saved entry, and the totals of the last Save. Pages after the
// first repeat the title and caption, marked "(continued)", and the column
// header. One document is one copy; the window prints it once per copy chosen.

#include <string>

#include "interest/ledger.h"
#include "shell/clock.h"
#include "shell/report.h"

namespace corvell {

inline constexpr std::string_view kLedgerReportTitle = "Interest Calculation";

report::Document buildLedgerReport(const Ledger& ledger, const LedgerTotals& totals,
                                   const std::string& caseCaption, const LocalTime& now);

}  // namespace corvell
