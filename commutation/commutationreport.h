#pragma once
// The printed commutation report: title, date and time, case caption, the
// period of the last calculation and its weekly rate. The dates and the rate
// come from the last calculation; the weeks from the field as it stands.

#include <optional>
#include <string>

#include "shell/clock.h"
#include "shell/dates.h"
#include "shell/report.h"

namespace corvell {

inline constexpr std::string_view kCommutationReportTitle = "CALCULATION OF COMMUTATION";

struct CommutationReportFigures {
    std::string caseCaption;
    std::string weeksText;
    Date beginDate;              // kNoDate: none yet, printed as nothing
    Date endDate;                // kNoDate: none yet, printed as nothing
    std::optional<double> rate;  // std::nullopt: no calculation yet
};

report::Document commutationReport(const CommutationReportFigures& figures, const LocalTime& now);

}  // namespace corvell
