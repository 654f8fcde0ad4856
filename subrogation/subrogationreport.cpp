#include "subrogation/subrogationreport.h"

#include "shell/format.h"

namespace corvell {

report::Document subrogationReport(const SubrogationReportFigures& f, const LocalTime& now) {
    using report::text;
    using report::zone;
    report::Document doc = report::portraitReport();
    doc.bold(true);
    doc.line({zone(), zone(), text(std::string(kSubrogationReportTitle))});
    doc.line(report::dateTimeItems(now));
    doc.line({text(f.caseCaption)});
    doc.bold(false);
    doc.line();
    doc.line({text("   Total tort recovery=" + Format(f.totalRecovery, "$##,###,##0.00"))});
    doc.line({text("   Costs and fees=" + Format(f.costsAndFees, "$#,##,##0.00"))});
    doc.line({text("   Weekly compensation rate=" + Format(f.rate, "$#,##0.00"))});
    doc.line({text("   Lien Amount=" + Format(f.lienAmount, "$#,###,##0.00"))});
    doc.line({text("   Lien Recovery=" + Format(f.lienRecovery, "$#,##0.00"))});
    doc.line({text("   New compensation rate=" + Format(f.newWeeklyRate, "$#,##0.00"))});
    doc.line({text("   Weeks / days new rate payable=" + f.forWeeks)});
    return doc;
}

}  // namespace corvell
