// The worksheet of every calculator window ends with the figures the window
// shows: for each worked example, its last line is the window's result field
// as shown, every result it states is the field as the window shows it, and
// every step keys right on a desk calculator, left to right. Before any
// Calculate, and after a refused one, it says so.

#include <QTest>
#include <algorithm>

#include "claim/claim.h"
#include "tests/support/play.h"
#include "tests/support/rows.h"
#include "tests/support/worksheetsteps.h"

using namespace corvell;
using namespace corvell::test;

Q_DECLARE_METATYPE(corvell::WindowId)

namespace {

QString lastLine(const Worksheet& sheet) {
    return QString::fromStdString(sheet.textLines().back()).trimmed();
}

}  // namespace

class TestWorksheets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void finalLineIsTheResultShown_data() {
        // field: the window's last result field
        columns<WindowId, QString, QString, QString, QString>(
            {"window", "script", "field", "label", "shown"});

        const QString period =
            "txtBeginningDate=01/01/2004|@txtBeginningDate|txtEndingDate=12/31/"
            "2004|@txtEndingDate|txtRate=500|@txtRate|";
        const QString firstEntry =
            period + "txtPaymentDate=06/30/2005|txtPaymentAmount=1000|!cmdCalculate";
        const auto interest = [](const char* name, const QString& script, const char* shown) {
            row(name, WindowId::CalculationForm, script, "txtNetAmount", "Net Amount", shown);
        };
        interest("a year at 500", period + "!cmdCalculate", "26,142.86");
        interest("one day at 700",
                 "txtBeginningDate=01/01/2004|txtEndingDate=01/01/2004|txtRate=700|!cmdCalculate",
                 "100.00");
        interest("10.5 weeks, no rate", "txtBeginningDate=01/01/2005|txtWeeks=10.5|!cmdCalculate",
                 "0.00");
        interest("first entry", firstEntry, "27,848.88");
        interest("second entry, on the first's balance",
                 firstEntry +
                     "|!cmdSave|!cmdNextEntry|txtEndingDate=01/28/2005|@txtEndingDate|"
                     "txtRate=500|txtPaymentDate=12/31/2005|!cmdCalculate",
                 "3,621.12");
        interest("paid on the ending date", period + "txtPaymentDate=12/31/2004|!cmdCalculate",
                 "27,467.86");
        interest("six days",
                 "txtBeginningDate=01/01/2004|txtEndingDate=01/06/2004|txtRate=700|"
                 "txtPaymentDate=01/31/2004|!cmdCalculate",
                 "604.17");
        interest("payment typed with a separator",
                 period + "txtPaymentDate=06/30/2005|txtPaymentAmount=1,000.00|!cmdCalculate",
                 "27,848.88");

        const auto presentValue = [](const char* name, const QString& script, const char* shown) {
            row(name, WindowId::frmPresentValue, script, "txtPresentValue", "Present Value", shown);
        };
        presentValue("a year of dates, no rate",
                     "txtFromDate=01/01/2005|txtToDate=01/01/2006|!cmdPVCalculate", "0.00");
        presentValue("10 weeks, no rate", "txtFromDate=01/01/2005|txtWeeks=10|!cmdPVCalculate",
                     "0.00");
        presentValue("age 45, m", "txtFromDate=01/01/2005|txtAge=45|txtGender=m|!cmdPVCalculate",
                     "0.00");
        presentValue("age 45, m, at 500",
                     "txtFromDate=01/01/2005|txtAge=45|txtGender=m|txtRate=500|!cmdPVCalculate",
                     "408,160.20");
        presentValue("52 weeks at 500",
                     "txtFromDate=01/01/2005|txtWeeks=52|txtRate=500|txtInterestRate=|"
                     "!cmdPVCalculate",
                     "25,348.82");
        presentValue("interest rate 6",
                     "txtFromDate=01/01/2005|txtWeeks=52|txtRate=500|txtInterestRate=6|"
                     "!cmdPVCalculate",
                     "25,221.25");

        row("social security 1000 against 500", WindowId::frmSocialSecurity,
            "txtSocialSecurity=1000|txtRate=500|@txtRate|!cmdSSCalculate", "txtNewRate",
            "New Weekly Rate", "384.80");
        row("pension 1200 at 60 % against 500", WindowId::FrmPension,
            "txtMonthlyPension=1200|txtEmployerPercent=60|txtRate=500|!cmdSSCalculate",
            "txtNewWeeklyRate", "New Weekly Rate", "$334.10");
        row("pension without a percentage", WindowId::FrmPension,
            "txtMonthlyPension=1200|txtRate=500|!cmdSSCalculate", "txtNewWeeklyRate",
            "New Weekly Rate", "$500.00");

        row("lump sum 5000 at 400", WindowId::frmOffset,
            "txtBeginningDate=01/05/2004|txtNetOffsetAmount=5000|txtRate=400|!cmdCommCalculate",
            "txtRemainder", "Remainder", "$28.57");
        row("lump sum worth less than a day", WindowId::frmOffset,
            "txtBeginningDate=01/05/2004|txtNetOffsetAmount=100|txtRate=800|!cmdCommCalculate",
            "txtRemainder", "Remainder", "$100.00");

        const auto commutation = [](const char* name, const char* weeks, const char* shown) {
            row(name, WindowId::frmCommutation,
                QString("txtBeginningDate=01/05/2004|txtCommWeeks=") + weeks +
                    "|txtCommAmount=52000|!cmdCommCalculate",
                "txtComputedRate", "Computed Rate", shown);
        };
        commutation("commutation over 104 weeks", "104", "500.00");
        commutation("commutation over 1 week", "1", "52,000.00");
        commutation("commutation over 1.5 weeks", "1.5", "34,666.67");

        const auto subrogation = [](const char* name, const char* fields, const char* shown) {
            row(name, WindowId::frmSubrogation,
                QString("txtTotalRecovery=100000|txtRate=450|") + fields + "|!cmdSSCalculate",
                "txtForWeeks", "For Weeks / Days", shown);
        };
        subrogation("subrogation with a lien", "txtCostsAndFees=40000|txtLienAmount=30000",
                    "155 / 3");
        subrogation("subrogation with an agreed recovery",
                    "txtCostsAndFees=40000|txtLienRecovery=20000", "177 / 5");
        subrogation("subrogation with neither", "txtCostsAndFees=40000", "222 / 1");
        subrogation("subrogation without costs", "txtLienAmount=30000", "155 / 3");
    }
    void finalLineIsTheResultShown() {
        QFETCH(WindowId, window);
        QFETCH(QString, script);
        QFETCH(QString, field);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        Claim claim;
        FormModel& m = claim.model(window);
        play(m, script);
        const QString fieldText = QString::fromStdString(m.text(named(m, field)));
        QCOMPARE(fieldText, shown);
        const std::optional<Worksheet> sheet = m.worksheet();
        QVERIFY(sheet.has_value());
        QCOMPARE(lastLine(*sheet), label + ": " + fieldText);
        // Every result it states is the field as the window shows it.
        const std::vector<WorksheetResult> results = sheet->results();
        QVERIFY(!results.empty());
        for (const WorksheetResult& r : results) {
            QCOMPARE(QString::fromStdString(r.shown), QString::fromStdString(m.text(r.field)));
        }
        QCOMPARE(firstWrongStep(*sheet), std::nullopt);
        if (const std::optional<Worksheet> report = m.reportWorksheet()) {
            QCOMPARE(firstWrongStep(*report), std::nullopt);
        }
    }

    // A step holds when keying it left to right from its own figures comes
    // to each next side, within the 15 digits figures are written to.
    void stepsAreKeyedLeftToRight_data() {
        columns<QString, bool>({"line", "holds"});
        row("multiplication first", "Lien Recovery = 30,000 - 30,000 x 0.4 = 18,000", false);
        row("bracketed", "Lien Recovery = 30,000 - (30,000 x 0.4) = 18,000", true);
        row("Int of a quotient", "Weeks = Int(366 / 7) = Int(52.2857142857143) = 52", true);
        row("days a date apart", "Simple days = 03/31/2005 - 12/31/2004 = 90", true);
        row("a wrong intermediate", "Simple days = 03/31/2005 - 12/31/2004 = 366", false);
        row("a date plus days", "Ending Date = 01/01/2004 + 366 - 1 = 12/31/2004", true);
        row("a bracketed negative", "Days = (-420) - ((-60) x 7) = 0", true);
        row("15 digits carry",
            "Total Comp = 500 x 366 / 7 = 26,142.8571428571 (unrounded), "
            "shown 26,142.86",
            true);
        row("halves away from zero", "Net = 0 - 12.494999999999999 = -12.495, shown -12.50", true);
        row("rounded the wrong way", "Net = 0 - 12.494999999999999 = -12.495, shown -12.49", false);
        row("rounding noise written as shown",
            "Remainder = 1,000 - (46 x 21.7391304347826) = 0, shown $0.00 (rounding noise: the "
            "computer's arithmetic leaves -1.13686837721616E-13)",
            true);
        row("grouped addends", "Accrued total = 100 x 3.53271428571429 = 353.271428571429", true);
    }
    void stepsAreKeyedLeftToRight() {
        QFETCH(QString, line);
        QFETCH(bool, holds);
        const std::optional<std::string> wrong = wrongStep(line.toStdString());
        QVERIFY2(wrong.has_value() != holds, wrong.value_or("it holds").c_str());
    }

    // Before any Calculate the worksheet says there is none; after a refused
    // one, which check refused it with the message shown, and then the last
    // Calculate that passed.
    void beforeAnyCalculateAndAfterARefusal() {
        Claim claim;
        FormModel& m = claim.model(WindowId::frmSocialSecurity);
        QCOMPARE(lastLine(*m.worksheet()), QString("No calculation yet: press Calculate."));
        play(m, "txtRate=500|!cmdSSCalculate");
        std::vector<std::string> lines = m.worksheet()->textLines();
        QVERIFY(std::find(lines.begin(), lines.end(),
                          "   The check of Net Social Security Amount refused "
                          "it, with the message \"Please enter monthly social security payment "
                          "received\".") != lines.end());
        QCOMPARE(lastLine(*m.worksheet()), QString("No calculation yet: press Calculate."));

        play(m, "txtSocialSecurity=1000|!cmdSSCalculate|txtRate=|!cmdSSCalculate");
        lines = m.worksheet()->textLines();
        QVERIFY(std::find(lines.begin(), lines.end(),
                          "   The check of Weekly Comp. Rate refused it, with the "
                          "message \"Please enter weekly compensation rate before "
                          "adjustment\".") != lines.end());
        QCOMPARE(lastLine(*m.worksheet()), QString("New Weekly Rate: 384.80"));
        play(m, "!cmdSSClear");
        QCOMPARE(lastLine(*m.worksheet()), QString("No calculation yet: press Calculate."));
    }

    // Every step of the present value, offset, commutation and subrogation
    // worksheets keys right for awkward figures too: zero, very large, tiny,
    // fractions, a negative interest rate, a count of days a hair short of
    // whole, results the computer's arithmetic leaves a hair off zero; some
    // steps are given as the attorney who checks them reads them, and no
    // worksheet names a control.
    void everyStepKeysRight_data() {
        // line: how a line of the worksheet begins, or empty
        columns<WindowId, QString, QString>({"window", "script", "line"});

        const auto presentValue = [](const char* name, const QString& fields, const char* line) {
            row(name, WindowId::frmPresentValue, fields + "|!cmdPVCalculate", QString(line));
        };
        presentValue("present value: a year of dates at 500, 6 %",
                     "txtFromDate=01/01/2005|txtToDate=01/01/2006|txtRate=500|txtInterestRate=6",
                     "Weeks = (01/01/2006 - 01/01/2005) / 7 = 365 / 7 = 52.1428571428571");
        presentValue("present value: age 45, m, at 500",
                     "txtFromDate=01/01/2005|txtAge=45|txtGender=m|txtRate=500",
                     "Weeks of life = 30.61 x 52.25 = 1,599.3725");
        presentValue("present value: age 44.5, f, and a To Date",
                     "txtFromDate=01/01/2005|txtToDate=06/30/2030|txtAge=44.5|txtGender=f|"
                     "txtRate=500",
                     "");
        presentValue("present value: 1.3 weeks", "txtFromDate=01/01/2005|txtWeeks=1.3|txtRate=500",
                     "Days to the nearest whole day = Int(9.1 + 0.5) = 9");
        presentValue("present value: no weeks", "txtFromDate=01/01/2005|txtWeeks=0|txtRate=500",
                     "");
        presentValue("present value: no discount",
                     "txtFromDate=01/01/2005|txtWeeks=52|txtRate=500|txtInterestRate=0", "");
        presentValue("present value: interest 1, a percentage",
                     "txtFromDate=01/01/2005|txtWeeks=52|txtRate=500|txtInterestRate=1",
                     "Discount rate = 1 / 100 = 0.01");
        presentValue(
            "present value: negative interest",
            "txtFromDate=01/01/2005|txtWeeks=520|txtRate=500|txtInterestRate=-0.5",
            "v = 1 / (1 + (-0.00961538461538462)) = 1 / 0.990384615384615 = 1.00970873786408");
        presentValue("present value: the whole calendar",
                     "txtFromDate=01/01/100|txtToDate=12/31/9999|txtRate=1E+15", "");

        const auto lumpSum = [](const char* name, const char* amount, const char* rate,
                                const char* line) {
            row(name, WindowId::frmOffset,
                QString("txtBeginningDate=01/05/2004|txtNetOffsetAmount=") + amount +
                    "|txtRate=" + rate + "|!cmdCommCalculate",
                QString(line));
        };
        lumpSum("lump sum: 5000 at 400", "5000", "400", "Days = 87 - (12 x 7) = 3");
        lumpSum("lump sum: a remainder of noise below zero", "1604.85", "123.45",
                "Remainder = 1,604.85 - (91 x 17.6357142857143) = 0, shown $0.00 (rounding noise");
        lumpSum("lump sum: a whole day that is a hair short", "42075", "595", "");
        lumpSum("lump sum: a hair short beyond 15 digits", "4971.4285714285", "400",
                "Remainder = 4,971.4285714285 - (87 x 57.1428571428571) = -7.18500814400613E-11");
        lumpSum("lump sum: a million at 3", "1000000", "3", "");
        lumpSum("lump sum: a billionth", "0.000000001", "400", "");

        const auto pension = [](const char* name, const QString& fields, const char* line) {
            row(name, WindowId::FrmPension, fields + "|!cmdSSCalculate", QString(line));
        };
        pension("pension: a new rate of noise",
                "txtMonthlyPension=1000|txtEmployerPercent=100|txtRate=230.414746543779",
                "New Weekly Rate = 230.414746543779 - 230.414746543779 = 0, shown $0.00 (");
        pension("pension: a billionth of a rate",
                "txtMonthlyPension=0|txtEmployerPercent=0|txtRate=0.000000001", "");

        const auto socialSecurity = [](const char* name, const char* monthly, const char* rate,
                                       const char* line) {
            row(name, WindowId::frmSocialSecurity,
                QString("txtSocialSecurity=") + monthly + "|txtRate=" + rate + "|!cmdSSCalculate",
                QString(line));
        };
        socialSecurity("social security: a new rate of noise", "868", "99.995",
                       "New Weekly Rate = 99.995 - 100 + 0.005 = 0, shown 0.00 (");
        socialSecurity("social security: noise already in the rate less offset", "1234.56",
                       "142.225414746544", "");
        socialSecurity("social security: very large", "1E+12", "1E+12", "");

        const auto commutation = [](const char* name, const char* weeks, const char* amount,
                                    const char* line) {
            row(name, WindowId::frmCommutation,
                QString("txtBeginningDate=01/05/2004|txtCommWeeks=") + weeks +
                    "|txtCommAmount=" + amount + "|!cmdCommCalculate",
                QString(line));
        };
        commutation("commutation: 1.5 weeks, a half day", "1.5", "52000",
                    "Computed End Date = 01/05/2004 + 10 = 01/15/2004");
        commutation("commutation: 1.3 weeks", "1.3", "52000", "");
        commutation("commutation: a billionth", "100", "0.000000001",
                    "Computed Rate = 1E-09 / 100 = 1E-11");
        commutation("commutation: very large", "4681", "1E+300", "");

        const auto subrogation = [](const char* name, const QString& fields, const char* line) {
            row(name, WindowId::frmSubrogation, fields + "|!cmdSSCalculate", QString(line));
        };
        subrogation("subrogation: lien and costs",
                    "txtTotalRecovery=100000|txtRate=450|txtCostsAndFees=40000|"
                    "txtLienAmount=30000",
                    "Lien Recovery = 30,000 - (30,000 x 0.4) = 18,000, shown 18,000.00");
        subrogation("subrogation: costs a hair short of the total",
                    "txtTotalRecovery=1|txtRate=450|txtCostsAndFees=0.9999999999999999|"
                    "txtLienAmount=0.3",
                    "");
        subrogation("subrogation: very large",
                    "txtTotalRecovery=1.23456789E+20|txtRate=3|txtCostsAndFees=1", "Days: 6");
        subrogation("subrogation: fractions",
                    "txtTotalRecovery=0.1|txtRate=0.07|txtCostsAndFees=0.03|txtLienAmount=0.02",
                    "");
    }
    void everyStepKeysRight() {
        QFETCH(WindowId, window);
        QFETCH(QString, script);
        QFETCH(QString, line);
        Claim claim;
        FormModel& m = claim.model(window);
        play(m, script);
        const Worksheet sheet = *m.worksheet();
        QVERIFY2(!sheet.tellsOfRefusal(), sheet.textLines()[3].c_str());
        std::vector<std::string> lines;
        for (const WorksheetLine& l : sheet.lines()) {
            lines.push_back(l.text);
        }
        QVERIFY(std::any_of(sheet.lines().begin(), sheet.lines().end(), [](const WorksheetLine& l) {
            return l.kind == WorksheetLine::Kind::Step;
        }));
        const std::optional<std::string> wrong = firstWrongStep(sheet);
        QVERIFY2(!wrong, wrong.value_or("").c_str());
        for (const std::string& l : lines) {
            QVERIFY2(l.find("txt") == std::string::npos && l.find("cmd") == std::string::npos,
                     l.c_str());
        }
        if (!line.isEmpty()) {
            QVERIFY2(std::any_of(
                         lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.starts_with(line.toStdString()); }),
                     qPrintable(line));
        }
    }
};

QTEST_APPLESS_MAIN(TestWorksheets)
#include "test_worksheets.moc"
