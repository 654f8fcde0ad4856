// Inputs the fuzz targets (fuzz/) found breaking a window's rules, replayed
// through the window models as short scripts of typing and handlers. Each
// test fails until its fault is mended.

#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commutation/commutationmodel.h"
#include "commutation/frmcommutationcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/pensionmodel.h"
#include "offsets/socialsecuritymodel.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/presentvaluemodel.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationmodel.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

namespace {

// The largest double, as an operator might paste it.
constexpr const char* kLargest = "1.7976931348623157e308";

// One step of a script: type a text into a field, or fire a handler.
struct Step {
    ControlName control;
    bool typing = false;
    std::string text;  // what is typed
    Event event = Event::Click;
};
Step typed(ControlName field, std::string text) {
    return {field, true, std::move(text)};
}
Step pressed(ControlName button) {
    return {button, false, {}, Event::Click};
}
Step left(ControlName field) {
    return {field, false, {}, Event::LostFocus};
}

struct Script {
    std::function<std::unique_ptr<FormModel>()> window;
    std::vector<Step> steps;
    ControlName shownField;  // the field that must read back as a number
};

}  // namespace

Q_DECLARE_METATYPE(Script)

class TestFuzzFound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A value at the very top of the double range, typed or computed, is
    // shown rounded to 15 significant digits: 1.79769313486232E+308, which
    // is beyond the largest double, so the field shows a number that no
    // longer reads back as one.
    void largestAmountReadsBack_data() {
        QTest::addColumn<Script>("script");
        const auto socialSecurity = [] { return std::make_unique<SocialSecurityModel>(); };
        const auto pension = [] { return std::make_unique<PensionModel>(); };
        const auto commutation = [] { return std::make_unique<CommutationModel>(); };
        const auto subrogation = [] { return std::make_unique<SubrogationModel>(); };
        const auto presentValue = [] { return std::make_unique<PresentValueModel>(); };
        {
            using namespace frmsocialsecurity;
            row("social security rate left",
                Script{socialSecurity, {typed(txtRate, kLargest), left(txtRate)}, txtRate});
        }
        {
            using namespace frmpension;
            row("pension new weekly rate",
                Script{pension,
                       {typed(txtRate, kLargest), pressed(cmdSSCalculate)},
                       txtNewWeeklyRate});
        }
        {
            using namespace frmcommutation;
            row("commutation rate over one week",
                Script{commutation,
                       {typed(txtBeginningDate, "01/05/2004"), typed(txtCommWeeks, "1"),
                        typed(txtCommAmount, kLargest), pressed(cmdCommCalculate)},
                       txtComputedRate});
        }
        {
            using namespace frmsubrogation;
            row("subrogation rate with all of it costs",
                Script{subrogation,
                       {typed(txtTotalRecovery, "1"), typed(txtCostsAndFees, "1"),
                        typed(txtRate, kLargest), pressed(cmdSSCalculate)},
                       txtNewWeeklyRate});
        }
        {
            using namespace frmpresentvalue;
            row("present value comp rate left",
                Script{presentValue, {typed(txtRate, kLargest), left(txtRate)}, txtRate});
        }
    }
    void largestAmountReadsBack() {
        QFETCH(Script, script);
        const std::unique_ptr<FormModel> model = script.window();
        for (const Step& step : script.steps) {
            if (step.typing) {
                model->setText(step.control, step.text);
            } else {
                const Reaction r = model->fire(step.control, step.event);
                QVERIFY2(!r.message, r.message ? r.message->text.c_str() : "");
            }
        }
        const std::string& shown = model->text(script.shownField);
        const auto back = CDbl(shown);
        QVERIFY2(back.has_value(), shown.c_str());
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
        model.setText(txtFromDate, "01/01/2005");
        model.setText(txtWeeks, "1");
        model.setText(txtRate, kLargest);
        QVERIFY(!model.fire(txtRate, Event::LostFocus).message);
        const Reaction r = model.fire(cmdPVCalculate, Event::Click);
        QVERIFY2(!r.message, r.message ? r.message->text.c_str() : "");
        QVERIFY2(model.values().CompRate > 0, model.text(txtRate).c_str());
        QVERIFY2(model.values().TotalComp > 0, model.text(txtTotalComp).c_str());
    }
};

QTEST_APPLESS_MAIN(TestFuzzFound)
#include "test_fuzzfound.moc"
