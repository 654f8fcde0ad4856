// One Calculate on each window, through its Qt-free model as the window
// drives it: the worked example's texts are put into the fields, then the
// Calculate button is clicked. Only the click is timed; every run starts
// from the same texts. The results are checked against the worked example
// before and after the runs, so that what is timed is the calculation and
// not a refusal.
//   corvell-bench-calculations [RUNS]

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/benchreport.h"
#include "commutation/commutationmodel.h"
#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "interest/interestmodel.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/lumpsummodel.h"
#include "offsets/pensionmodel.h"
#include "offsets/socialsecuritymodel.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/presentvaluemodel.h"
#include "shell/values.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationmodel.h"

namespace corvell::bench {
namespace {

constexpr double kTargetMs = 1.0;
constexpr int kWarmUpRuns = 100;

using Texts = std::vector<std::pair<ControlName, std::string>>;

struct Example {
    std::string window;
    std::function<std::unique_ptr<FormModel>()> open;
    Texts typed;
    ControlName calculate;  // the Calculate button
    Texts expected;         // result fields of the worked example
};

template <class Model>
std::function<std::unique_ptr<FormModel>()> opener() {
    return [] { return std::make_unique<Model>(); };
}

std::vector<Example> examples() {
    return {
        {"compensation and interest",
         opener<InterestModel>(),
         {{calculationform::txtBeginningDate, "01/01/2004"},
          {calculationform::txtEndingDate, "12/31/2004"},
          {calculationform::txtRate, "500"},
          {calculationform::txtWeeks, ""},
          {calculationform::txtPaymentDate, "06/30/2005"},
          {calculationform::txtPaymentAmount, "1000"}},
         calculationform::cmdCalculate,
         {{calculationform::txtTotalDays, "366"},
          {calculationform::txtTotalComp, "26,142.86"},
          {calculationform::txtAccruedInterest, "1,325.00"},
          {calculationform::txtSimpleInterest, "1,381.02"},
          {calculationform::txtNetAmount, "27,848.88"}}},
        {"present value, by dates",
         opener<PresentValueModel>(),
         {{frmpresentvalue::txtFromDate, "1/1/2005"},
          {frmpresentvalue::txtToDate, "01/01/2006"},
          {frmpresentvalue::txtWeeks, ""},
          {frmpresentvalue::txtAge, ""},
          {frmpresentvalue::txtGender, ""},
          {frmpresentvalue::txtRate, "500"},
          {frmpresentvalue::txtInterestRate, ".05"}},
         frmpresentvalue::cmdPVCalculate,
         {{frmpresentvalue::txtWeeks, "52.1428571428571"},
          {frmpresentvalue::txtTotalComp, "26,071.43"},
          {frmpresentvalue::txtPresentValue, "25,348.82"}}},
        {"present value, by age (life table)",
         opener<PresentValueModel>(),
         {{frmpresentvalue::txtFromDate, "01/01/2005"},
          {frmpresentvalue::txtToDate, ""},
          {frmpresentvalue::txtWeeks, ""},
          {frmpresentvalue::txtAge, "45.5"},
          {frmpresentvalue::txtGender, "M"},
          {frmpresentvalue::txtRate, "500"},
          {frmpresentvalue::txtInterestRate, ".05"}},
         frmpresentvalue::cmdPVCalculate,
         {{frmpresentvalue::txtWeeks, CStr(29.74 * 52.25)}}},
        {"social security offset",
         opener<SocialSecurityModel>(),
         {{frmsocialsecurity::txtSocialSecurity, "1000"}, {frmsocialsecurity::txtRate, "500"}},
         frmsocialsecurity::cmdSSCalculate,
         {{frmsocialsecurity::txtNewRate, "384.80"}}},
        {"pension offset",
         opener<PensionModel>(),
         {{frmpension::txtMonthlyPension, "1200"},
          {frmpension::txtEmployerPercent, "60"},
          {frmpension::txtRate, "500"}},
         frmpension::cmdSSCalculate,
         {{frmpension::txtNewWeeklyRate, "$334.10"}}},
        {"lump sum offset",
         opener<LumpSumModel>(),
         {{frmoffset::txtBeginningDate, "01/05/2004"},
          {frmoffset::txtRate, "400"},
          {frmoffset::txtNetOffsetAmount, "5000"}},
         frmoffset::cmdCommCalculate,
         {{frmoffset::txtComputedWeeks, "12"},
          {frmoffset::txtComputedDays, "3"},
          {frmoffset::txtComputedEndDate, "03/31/2004"},
          {frmoffset::txtRemainder, "$28.57"}}},
        {"commutation",
         opener<CommutationModel>(),
         {{frmcommutation::txtBeginningDate, "1/5/04"},
          {frmcommutation::txtCommWeeks, "104"},
          {frmcommutation::txtCommAmount, "$52,000"}},
         frmcommutation::cmdCommCalculate,
         {{frmcommutation::txtComputedEndDate, "01/02/2006"},
          {frmcommutation::txtComputedRate, "500.00"}}},
        {"subrogation",
         opener<SubrogationModel>(),
         {{frmsubrogation::txtTotalRecovery, "100000"},
          {frmsubrogation::txtCostsAndFees, "40000"},
          {frmsubrogation::txtRate, "450"},
          {frmsubrogation::txtLienAmount, "30000"},
          {frmsubrogation::txtLienRecovery, ""}},
         frmsubrogation::cmdSSCalculate,
         {{frmsubrogation::txtLienRecovery, "18,000.00"},
          {frmsubrogation::txtNewWeeklyRate, "$180.00"},
          {frmsubrogation::txtForWeeks, "155 / 3"}}},
    };
}

// One click on Calculate from the example's texts; its time in microseconds.
double calculateOnce(FormModel& model, const Example& example) {
    for (const auto& [field, text] : example.typed) {
        model.setText(field, text);
    }
    const Clock::time_point start = Clock::now();
    const Reaction reaction = model.fire(example.calculate, Event::Click);
    const Clock::time_point end = Clock::now();
    if (reaction.message) {
        fail(example.window + " refused its worked example: " + reaction.message->text);
    }
    return microseconds(end - start);
}

void checkResults(const FormModel& model, const Example& example) {
    for (const auto& [field, text] : example.expected) {
        if (model.text(field) != text) {
            fail(example.window + ": " + std::string(field.name()) + " shows \"" +
                 model.text(field) + "\" instead of \"" + text + "\"");
        }
    }
}

}  // namespace
}  // namespace corvell::bench

int main(int argc, char* argv[]) {
    using namespace corvell::bench;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (runs < 1) {
        fail("RUNS must be at least 1");
    }
    Report report;
    report.heading("Calculate on each window, worked example, median of " + std::to_string(runs) +
                   " clicks (99th percentile)");
    for (const Example& example : examples()) {
        const std::unique_ptr<corvell::FormModel> model = example.open();
        calculateOnce(*model, example);
        checkResults(*model, example);
        for (int i = 0; i < kWarmUpRuns; ++i) {
            calculateOnce(*model, example);
        }
        std::vector<double> times;
        times.reserve(static_cast<std::size_t>(runs));
        for (int i = 0; i < runs; ++i) {
            times.push_back(calculateOnce(*model, example));
        }
        checkResults(*model, example);
        const double ms = median(times) / 1000;
        report.figure(example.window,
                      fixed(median(times), 1) + " us (" + fixed(percentile(times, 0.99), 1) + ")",
                      "< " + fixed(kTargetMs, 0) + " ms", ms < kTargetMs);
    }
    return report.exitStatus();
}
