#include "offsets/offsetreports.h"

#include "shell/format.h"

namespace corvell {
namespace {

using report::text;
using report::zone;

// The pension report has always put its date line above its title.
enum class Heading { TitleFirst, DateFirst };

// A label followed directly, without a blank, by its value.
struct Labelled {
    std::string_view label;
    std::string value;
};

// Times New Roman 16 point, portrait; the title in the second print zone,
// the date and time line and the case caption, `blankLines` empty lines,
// then a line for each labelled value.
report::Document offsetReport(std::string_view title, const LocalTime& now,
                              const std::string& caseCaption, Heading order, int blankLines,
                              std::initializer_list<Labelled> values) {
    report::Document doc = report::portraitReport();
    if (order == Heading::DateFirst) {
        doc.line(report::dateTimeItems(now));
    }
    doc.line({zone(), text(std::string(title))});
    if (order == Heading::TitleFirst) {
        doc.line(report::dateTimeItems(now));
    }
    doc.line({text(caseCaption)});
    for (int i = 0; i < blankLines; ++i) {
        doc.line();
    }
    for (const Labelled& value : values) {
        doc.line({text(std::string(value.label) + value.value)});
    }
    return doc;
}

}  // namespace

report::Document socialSecurityReport(const SocialSecurityReportFields& fields,
                                      const LocalTime& now) {
    return offsetReport(kSocialSecurityReportTitle, now, fields.caseCaption, Heading::TitleFirst, 1,
                        {{"Monthly Net Social Security =", Format(fields.monthlyNet, "$##,##0.00")},
                         {"Weekly Compensation Rate=", Format(fields.weeklyRate, "$#,##0.00")},
                         {"New Compensation Rate =", Format(fields.newRate, "$###,##0.00")}});
}

report::Document pensionReport(const PensionReportFields& fields, const LocalTime& now) {
    return offsetReport(
        kPensionReportTitle, now, fields.caseCaption, Heading::DateFirst, 1,
        {{"   Monthly pension=", Format(fields.monthlyPension, "$##,###,##0.00")},
         {"   Percentage paid by employer=", fields.employerPercent + "%"},
         {"   Weekly compensation rate=", Format(fields.weeklyRate, "$#,##0.00")},
         {"   New weekly compensation rate=", Format(fields.newWeeklyRate, "$#,##0.00")}});
}

report::Document lumpSumReport(const LumpSumReportFields& fields, const LocalTime& now) {
    return offsetReport(
        kLumpSumReportTitle, now, fields.caseCaption, Heading::TitleFirst, 3,
        {{"   Begin offset on =", fields.beginningDate},
         {"   Weekly compensation rate=", Format(fields.weeklyRate, "$#,##0.00")},
         {"   Net Offset Amount=", Format(fields.netOffsetAmount, "$#,###,##0.00")},
         {"   Weeks/Days Offset=", fields.computedWeeks + " / " + fields.computedDays},
         {"   Offset Ends=", fields.computedEndDate},
         {"   Remainder=", fields.remainder}});
}

}  // namespace corvell
