#include "offsets/offsetreports.h"

#include "shell/format.h"

namespace corvell {
namespace {

using report::text;
using report::zone;

// The pension report has always put its date line above its title.
enum class Heading { TitleFirst, DateFirst };

// Times New Roman 16 point, portrait; the title in the second print zone,
// the date and time line and the case caption.
report::Document reportWithHeading(std::string_view title, const LocalTime& now,
                                   const std::string& caseCaption, Heading order) {
    report::Document doc = report::portraitReport();
    if (order == Heading::DateFirst) {
        doc.line(report::dateTimeItems(now));
    }
    doc.line({zone(), text(std::string(title))});
    if (order == Heading::TitleFirst) {
        doc.line(report::dateTimeItems(now));
    }
    doc.line({text(caseCaption)});
    return doc;
}

// A label followed directly, without a blank, by its value.
report::Document& labelled(report::Document& doc, std::string label, std::string value) {
    return doc.line({text(std::move(label) + std::move(value))});
}

}  // namespace

report::Document socialSecurityReport(const SocialSecurityReportFields& fields,
                                      const LocalTime& now) {
    report::Document doc =
        reportWithHeading(kSocialSecurityReportTitle, now, fields.caseCaption, Heading::TitleFirst);
    doc.line();
    labelled(doc, "Monthly Net Social Security =", Format(fields.monthlyNet, "$##,##0.00"));
    labelled(doc, "Weekly Compensation Rate=", Format(fields.weeklyRate, "$#,##0.00"));
    labelled(doc, "New Compensation Rate =", Format(fields.newRate, "$###,##0.00"));
    return doc;
}

report::Document pensionReport(const PensionReportFields& fields, const LocalTime& now) {
    report::Document doc =
        reportWithHeading(kPensionReportTitle, now, fields.caseCaption, Heading::DateFirst);
    doc.line();
    labelled(doc, "   Monthly pension=", Format(fields.monthlyPension, "$##,###,##0.00"));
    labelled(doc, "   Percentage paid by employer=", fields.employerPercent + "%");
    labelled(doc, "   Weekly compensation rate=", Format(fields.weeklyRate, "$#,##0.00"));
    labelled(doc, "   New weekly compensation rate=", Format(fields.newWeeklyRate, "$#,##0.00"));
    return doc;
}

report::Document lumpSumReport(const LumpSumReportFields& fields, const LocalTime& now) {
    report::Document doc =
        reportWithHeading(kLumpSumReportTitle, now, fields.caseCaption, Heading::TitleFirst);
    doc.line().line().line();
    labelled(doc, "   Begin offset on =", fields.beginningDate);
    labelled(doc, "   Weekly compensation rate=", Format(fields.weeklyRate, "$#,##0.00"));
    labelled(doc, "   Net Offset Amount=", Format(fields.netOffsetAmount, "$#,###,##0.00"));
    labelled(doc, "   Weeks/Days Offset=", fields.computedWeeks + " / " + fields.computedDays);
    labelled(doc, "   Offset Ends=", fields.computedEndDate);
    labelled(doc, "   Remainder=", fields.remainder);
    return doc;
}

}  // namespace corvell
