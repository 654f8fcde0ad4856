#pragma once
// The one-page present value report. The dates, age, gender and caption are
// the fields as they stand when Print is pressed; the weeks and amounts are
// the window's figures of its last calculation.

#include <string>

#include "shell/clock.h"
#include "shell/report.h"

namespace corvell {

inline constexpr std::string_view kPresentValueReportTitle = "Present Value Calculation";

struct PresentValueReportData {
    std::string caseCaption;
    std::string fromDate;  // field texts
    std::string toDate;
    std::string age;
    std::string gender;
    double weeks = 0;  // figures of the last calculation
    double compRate = 0;
    double totalComp = 0;
    double discountRate = 0;
    double presentValue = 0;
};

report::Document presentValueReport(const PresentValueReportData& data, const LocalTime& now);

}  // namespace corvell
