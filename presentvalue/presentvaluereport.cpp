#include "presentvalue/presentvaluereport.h"

#include "shell/format.h"

namespace corvell {

using report::number;
using report::text;
using report::zone;

report::Document presentValueReport(const PresentValueReportData& data, const LocalTime& now) {
    report::Document doc = report::portraitReport();
    doc.line({zone(), zone(), text(std::string(kPresentValueReportTitle))});
    doc.line(report::dateTimeItems(now));
    doc.line({zone(), text(data.caseCaption)});
    doc.line();
    doc.lineGoesOn({text("   From "), text(Format(data.fromDate, "mm/dd/yyyy"))});
    doc.line({text("   to  "), text(Format(data.toDate, "mm/dd/yyyy"))});
    if (!data.age.empty()) {
        doc.line({text("   Age=" + data.age), zone(), text("Gender=" + data.gender)});
    }
    doc.lineGoesOn({text("   "), text(Format(data.weeks, "#,###.00"))});
    doc.line({text(" weeks     rate = "), text(Format(data.compRate, "$#,##0.00"))});
    doc.line({text("   Total compensation = "), text(Format(data.totalComp, "$###,##0.00"))});
    // The rate prints as a number does: Str form and a trailing blank (" 5 ").
    doc.line({text("   Present value at "), number(data.discountRate * 100), text("% discount = "),
              text(Format(data.presentValue, "$###,##0.00"))});
    return doc;
}

}  // namespace corvell
