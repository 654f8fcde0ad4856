#include "commutation/commutationreport.h"

#include "shell/format.h"

namespace corvell {
namespace {

// A date that was never set prints as nothing rather than as 12/30/1899.
std::string shownDate(Date date) {
    return date == kNoDate ? std::string() : Format(date, "mm/dd/yyyy");
}

}  // namespace

report::Document commutationReport(const CommutationReportFigures& figures, const LocalTime& now) {
    using report::text;
    using report::zone;
    report::Document doc = report::portraitReport();
    doc.line();
    doc.line({zone(), text(std::string(kCommutationReportTitle))});
    doc.line(report::dateTimeItems(now));
    doc.line({text(figures.caseCaption)});
    doc.line();
    doc.line({text(shownDate(figures.beginDate) + "   to  " + shownDate(figures.endDate))});
    const std::string rate = figures.rate ? Format(*figures.rate, "$##,##0.00") : std::string();
    doc.line({text(figures.weeksText + " Weeks  Rate=" + rate)});
    return doc;
}

}  // namespace corvell
