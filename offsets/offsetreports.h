#pragma once
// The one-page reports of the three offset windows, built from what their
// fields hold when Print is pressed: nothing is recalculated or checked, and
// text that is no number prints as it stands.

#include <string>

#include "shell/clock.h"
#include "shell/report.h"

namespace corvell {

inline constexpr std::string_view kSocialSecurityReportTitle = "Social Security Offset Calculation";
inline constexpr std::string_view kPensionReportTitle = "Pension Offset Calculation";
inline constexpr std::string_view kLumpSumReportTitle = "Lump Sum Offset Calculation";

struct SocialSecurityReportFields {
    std::string caseCaption;
    std::string monthlyNet;
    std::string weeklyRate;
    std::string newRate;
};

struct PensionReportFields {
    std::string caseCaption;
    std::string monthlyPension;
    std::string employerPercent;
    std::string weeklyRate;
    double newWeeklyRate = 0;  // kept from the last Calculate, not a field
};

struct LumpSumReportFields {
    std::string caseCaption;
    std::string beginningDate;
    std::string weeklyRate;
    std::string netOffsetAmount;
    std::string computedWeeks;
    std::string computedDays;
    std::string computedEndDate;
    std::string remainder;
};

report::Document socialSecurityReport(const SocialSecurityReportFields& fields,
                                      const LocalTime& now);
report::Document pensionReport(const PensionReportFields& fields, const LocalTime& now);
report::Document lumpSumReport(const LumpSumReportFields& fields, const LocalTime& now);

}  // namespace corvell
