// The three offset reports as built from field texts, on paper and as text
// read back from a PDF.

#include <QTest>

#include "offsets/offsetreports.h"
#include "shell/ui/look.h"
#include "tests/offsets/offsetwindowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;

namespace {

const std::string kTitleZone(14, ' ');
const std::string kDateLine = std::string(28, ' ') + "03-04-2026    09:05:07";

}  // namespace

class TestOffsetReports : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutes(); }

    void socialSecurity() {
        const report::Document doc =
            socialSecurityReport({"Smith v. Acme", "1000", "500.00", "384.80"}, test::testMoment());
        test::checkReport(
            doc, {kTitleZone + "Social Security Offset Calculation", kDateLine, "Smith v. Acme", "",
                  "Monthly Net Social Security =$1,000.00", "Weekly Compensation Rate=$500.00",
                  "New Compensation Rate =$384.80"});
    }

    // One font for the whole report: Times New Roman 16 point, not bold,
    // portrait; nothing else changes it.
    void oneFontThroughout() {
        const report::Document doc = pensionReport({}, test::testMoment());
        const report::Document start = report::portraitReport();
        const auto& statements = doc.statements();
        QVERIFY(statements.size() > start.statements().size());
        for (std::size_t i = 0; i < statements.size(); ++i) {
            if (i < start.statements().size()) {
                QVERIFY(statements[i] == start.statements()[i]);
            } else {
                QVERIFY(std::holds_alternative<report::Print>(statements[i]));
            }
        }
    }

    // Text that is no number prints as it stands; empty fields print nothing
    // after their labels.
    void socialSecurityAsTheFieldsStand() {
        const report::Document doc =
            socialSecurityReport({"", "1,000 monthly", "", "abc"}, test::testMoment());
        test::checkReport(doc, {kTitleZone + "Social Security Offset Calculation", kDateLine, "",
                                "", "Monthly Net Social Security =1,000 monthly",
                                "Weekly Compensation Rate=", "New Compensation Rate =abc"});
    }

    void pensionDateBeforeTitle() {
        const report::Document doc =
            pensionReport({"Claim 12-345\nDocket 7", "1200", "60.0", "500.00", 334.1013824884793},
                          test::testMoment());
        test::checkReport(
            doc,
            {kDateLine, kTitleZone + "Pension Offset Calculation", "Claim 12-345", "Docket 7", "",
             "   Monthly pension=$1,200.00", "   Percentage paid by employer=60.0%",
             "   Weekly compensation rate=$500.00", "   New weekly compensation rate=$334.10"});
    }

    void pensionGroupsLargeAmounts() {
        const report::Document doc =
            pensionReport({"", "1234567.891", "", "12345", -1234.5}, test::testMoment());
        const std::vector<std::string> lines = doc.plainLines();
        QCOMPARE(lines.at(4), std::string("   Monthly pension=$1,234,567.89"));
        QCOMPARE(lines.at(5), std::string("   Percentage paid by employer=%"));
        QCOMPARE(lines.at(6), std::string("   Weekly compensation rate=$12,345.00"));
        QCOMPARE(lines.at(7), std::string("   New weekly compensation rate=-$1,234.50"));
    }

    void lumpSum() {
        const report::Document doc = lumpSumReport(
            {"Doe v. Roe", "01/05/2004", "400", "5000", "12", "3", "03/31/2004", "$28.57"},
            test::testMoment());
        test::checkReport(
            doc, {kTitleZone + "Lump Sum Offset Calculation", kDateLine, "Doe v. Roe", "", "", "",
                  "   Begin offset on =01/05/2004", "   Weekly compensation rate=$400.00",
                  "   Net Offset Amount=$5,000.00", "   Weeks/Days Offset=12 / 3",
                  "   Offset Ends=03/31/2004", "   Remainder=$28.57"});
    }

    void lumpSumLargeAmount() {
        const report::Document doc =
            lumpSumReport({"", "", "1234.5", "1234567", "", "", "", ""}, test::testMoment());
        const std::vector<std::string> lines = doc.plainLines();
        QCOMPARE(lines.at(7), std::string("   Weekly compensation rate=$1,234.50"));
        QCOMPARE(lines.at(8), std::string("   Net Offset Amount=$1,234,567.00"));
        QCOMPARE(lines.at(9), std::string("   Weeks/Days Offset= / "));
    }
};

QTEST_MAIN(TestOffsetReports)
#include "test_offsetreports.moc"
