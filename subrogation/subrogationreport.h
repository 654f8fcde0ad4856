#pragma once
// The printed subrogation report: a bold heading (title, date and time, case
// caption), then the amounts as the fields hold them and the new weekly rate
// of the last calculation. Nothing is recalculated or checked.

#include <string>

#include "shell/clock.h"
#include "shell/report.h"

namespace corvell {

inline constexpr std::string_view kSubrogationReportTitle = "Subrogation Calculation";

struct SubrogationReportFigures {
    std::string caseCaption;
    std::string totalRecovery;  // field texts, as they stand
    std::string costsAndFees;
    std::string rate;
    std::string lienAmount;
    std::string lienRecovery;
    std::string forWeeks;
    double newWeeklyRate = 0;  // kept by the last calculation
};

report::Document subrogationReport(const SubrogationReportFigures& figures, const LocalTime& now);

}  // namespace corvell
