// Inputs the fuzz targets (fuzz/) found breaking a window's rules, replayed
// through the window models as short scripts of typing and handlers. Each
// test fails until its fault is mended.

#include <QTest>
#include <cmath>
#include <string>

#include "claim/claim.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/presentvaluemodel.h"
#include "shell/values.h"
#include "tests/support/play.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

namespace {

// The largest double, as an operator might paste it.
constexpr const char* kLargest = "1.7976931348623157e308";

}  // namespace

Q_DECLARE_METATYPE(corvell::WindowId)

class TestFuzzFound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A value at the very top of the double range, typed or computed, is
    // shown rounded to 15 significant digits: 1.79769313486232E+308, which
    // is beyond the largest double, so the field shows a number that no
    // longer reads back as one.
    void largestAmountReadsBack_data() {
        // shown: the field that must read back as a number
        columns<WindowId, QString, QString>({"window", "script", "shown"});
        const QString largest = kLargest;
        row("social security rate left", WindowId::frmSocialSecurity,
            "txtRate=" + largest + "|@txtRate", "txtRate");
        row("pension new weekly rate", WindowId::FrmPension,
            "txtRate=" + largest + "|!cmdSSCalculate", "txtNewWeeklyRate");
        row("commutation rate over one week", WindowId::frmCommutation,
            "txtBeginningDate=01/05/2004|txtCommWeeks=1|txtCommAmount=" + largest +
                "|!cmdCommCalculate",
            "txtComputedRate");
        row("subrogation rate with all of it costs", WindowId::frmSubrogation,
            "txtTotalRecovery=1|txtCostsAndFees=1|txtRate=" + largest + "|!cmdSSCalculate",
            "txtNewWeeklyRate");
        row("present value comp rate left", WindowId::frmPresentValue,
            "txtRate=" + largest + "|@txtRate", "txtRate");
    }
    void largestAmountReadsBack() {
        QFETCH(WindowId, window);
        QFETCH(QString, script);
        QFETCH(QString, shown);
        Claim claim;
        FormModel& model = claim.model(window);
        QCOMPARE(play(model, script), QStringList());
        const std::string& text = model.text(named(model, shown));
        const auto back = CDbl(text);
        QVERIFY2(back.has_value(), text.c_str());
        QVERIFY(std::isfinite(*back));
        QVERIFY(*back >= 1.79769313486231e308);
    }

    // The same rounding turns a typed rate into 0: once the rate field is
    // left, its text reads as no number, and the field-number reading of
    // a number too large for a double is 0, so Calculate figures a total of
    // 0.00 from a rate that was typed as the largest double.
    void presentValueKeepsTheRateLeftInItsField() {
        using namespace frmpresentvalue;
        PresentValueModel model;
        QCOMPARE(play(model, QString("txtFromDate=01/01/2005|txtWeeks=1|txtRate=") + kLargest +
                                 "|@txtRate|!cmdPVCalculate"),
                 QStringList());
        QVERIFY2(model.values().CompRate > 0, model.text(txtRate).c_str());
        QVERIFY2(model.values().TotalComp > 0, model.text(txtTotalComp).c_str());
    }
};

QTEST_APPLESS_MAIN(TestFuzzFound)
#include "test_fuzzfound.moc"
