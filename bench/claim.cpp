// A claim at its fullest, kept and opened again. The claim is built through
// the windows' models as the operator fills them: a ledger of 100 weekly
// entries, each with a payment date and amount, and a calculation on every
// other window. Its claim file's size is the first figure. Opening it re-runs
// every Calculate (the ledger entry by entry), so the program is then
// launched with the file and made to show all seven calculator windows,
// against the same launch without a claim: the differences in time and peak
// memory are what opening the claim costs.
//   corvell-bench-claim [RUNS [WINDOWS]]
// WINDOWS defaults to corvell-bench-windows beside this program; RUNS (10)
// launches of each, in turn, after one unmeasured launch of each.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/benchreport.h"
#include "bench/launch.h"
#include "claim/claim.h"
#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "shell/dates.h"
#include "shell/format.h"
#include "subrogation/frmsubrogationcontrols.h"

namespace corvell::bench {
namespace {

constexpr int kEntries = 100;
constexpr double kSizeTargetKB = 200;
constexpr double kExtraTimeTargetMs = 50;
constexpr double kExtraMemoryTargetMiB = 3;
constexpr int kOpenings = 20;
constexpr const char* kCaption = "Smith v. Acme Mills\nClaim 2004-123";

using Typed = std::vector<std::pair<ControlName, std::string>>;

// Types the texts, leaving each field as the operator would.
void type(FormModel& model, const Typed& typed) {
    for (const auto& [field, text] : typed) {
        model.setText(field, text);
        model.fire(field, Event::LostFocus);
    }
}

// Clicks a command, which may neither refuse nor ask.
void click(FormModel& model, ControlName command) {
    const Reaction reaction = model.fire(command, Event::Click);
    if (reaction.message || reaction.question) {
        fail(std::string(command.name()) + " did not simply do its work");
    }
}

void enter(FormModel& model, const Typed& typed, ControlName command) {
    type(model, typed);
    click(model, command);
}

std::string dateText(int day) {
    return Format(Date{day}, "mm/dd/yyyy");
}

// 100 consecutive weeks at 700.00, each paid two weeks after it ends.
void fillLedger(InterestModel& model) {
    using namespace calculationform;
    type(model, {{txtCaseCaption, kCaption}, {txtBeginningDate, "01/01/2004"}});
    for (int entry = 1; entry <= kEntries; ++entry) {
        if (entry > 1) {
            click(model, cmdNextEntry);
        }
        const int begin = CDate(model.text(txtBeginningDate)).value().day;
        enter(model,
              {{txtEndingDate, dateText(begin + 6)},
               {txtRate, "700"},
               {txtPaymentDate, dateText(begin + 20)},
               {txtPaymentAmount, "700"}},
              cmdCalculate);
        click(model, cmdSave);
    }
}

// The worked examples of the other windows, each under the caption.
void fill(Claim& claim) {
    fillLedger(claim.interest());
    enter(claim.presentValue(),
          {{frmpresentvalue::txtCaseCaption, kCaption},
           {frmpresentvalue::txtFromDate, "01/01/2005"},
           {frmpresentvalue::txtAge, "45.5"},
           {frmpresentvalue::txtGender, "M"},
           {frmpresentvalue::txtRate, "500"},
           {frmpresentvalue::txtInterestRate, ".05"}},
          frmpresentvalue::cmdPVCalculate);
    enter(claim.socialSecurity(),
          {{frmsocialsecurity::txtCaseCaption, kCaption},
           {frmsocialsecurity::txtSocialSecurity, "1000"},
           {frmsocialsecurity::txtRate, "500"}},
          frmsocialsecurity::cmdSSCalculate);
    enter(claim.pension(),
          {{frmpension::txtCaseCaption, kCaption},
           {frmpension::txtMonthlyPension, "1200"},
           {frmpension::txtEmployerPercent, "60"},
           {frmpension::txtRate, "500"}},
          frmpension::cmdSSCalculate);
    enter(claim.lumpSum(),
          {{frmoffset::txtCaseCaption, kCaption},
           {frmoffset::txtBeginningDate, "01/05/2004"},
           {frmoffset::txtRate, "400"},
           {frmoffset::txtNetOffsetAmount, "5000"}},
          frmoffset::cmdCommCalculate);
    enter(claim.commutation(),
          {{frmcommutation::txtCaseCaption, kCaption},
           {frmcommutation::txtBeginningDate, "1/5/04"},
           {frmcommutation::txtCommWeeks, "104"},
           {frmcommutation::txtCommAmount, "$52,000"}},
          frmcommutation::cmdCommCalculate);
    enter(claim.subrogation(),
          {{frmsubrogation::txtCaseCaption, kCaption},
           {frmsubrogation::txtTotalRecovery, "100000"},
           {frmsubrogation::txtCostsAndFees, "40000"},
           {frmsubrogation::txtRate, "450"},
           {frmsubrogation::txtLienAmount, "30000"}},
          frmsubrogation::cmdSSCalculate);
}

// Opens the text into a fresh claim, which must come out as saved (the
// program would otherwise stop on a message); the time of the opening.
double openInModels(const std::string& text) {
    Claim claim;
    FigureChanges changes;
    const Clock::time_point start = Clock::now();
    const std::optional<std::string> refused = openClaimFile(claim, text, &changes);
    const double ms = milliseconds(Clock::now() - start);
    if (refused || !changes.empty() || claim.interest().ledger().EntryCount() != kEntries ||
        claimFileText(claim) != text) {
        fail("the claim file does not open as it was saved");
    }
    return ms;
}

// Removed however the run ends: fail() leaves through std::exit, which
// destroys only static objects.
struct TemporaryFolder {
    std::string path = (std::filesystem::temp_directory_path() / "corvell-bench-XXXXXX").string();
    TemporaryFolder() {
        if (mkdtemp(path.data()) == nullptr) {
            fail("no temporary folder");
        }
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
};

struct Figures {
    std::vector<double> times;
    std::vector<double> peaks;
    void add(const Launch& l) {
        times.push_back(l.milliseconds);
        peaks.push_back(l.peakMiB);
    }
};

}  // namespace
}  // namespace corvell::bench

int main(int argc, char* argv[]) {
    using namespace corvell::bench;
    namespace fs = std::filesystem;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string windows = argc > 2 ? argv[2] : (here / "corvell-bench-windows").string();
    if (runs < 1) {
        fail("RUNS must be at least 1");
    }

    corvell::Claim claim;
    fill(claim);
    const std::string text = corvell::claimFileText(claim);
    std::vector<double> openings;
    for (int i = 0; i < kOpenings; ++i) {
        openings.push_back(openInModels(text));
    }

    // The claim, its lock and the recent claims the program writes go to a
    // folder of this run's own, never to the operator's settings.
    static TemporaryFolder folder;
    const std::string file = (fs::path(folder.path) / "smith.claim").string();
    std::ofstream(file, std::ios::binary) << text;
    setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    launch(windows, {file});
    launch(windows);
    Figures with;
    Figures without;
    // In turn, so that anything else the machine does falls on both alike.
    for (int i = 0; i < runs; ++i) {
        with.add(launch(windows, {file}));
        without.add(launch(windows));
    }

    Report report;
    report.heading("Claim file of a full claim: 100 ledger entries, a calculation on every window");
    const double kb = double(text.size()) / 1000;
    report.figure("claim file size", fixed(kb, 1) + " KB", "<= " + fixed(kSizeTargetKB, 0) + " KB",
                  kb <= kSizeTargetKB);
    report.note("opened in the models alone",
                fixed(median(openings), 2) + " ms (median of " + std::to_string(kOpenings) + ")");
    report.heading(
        "Start-up with that claim, every calculator window shown, offscreen, median of " +
        std::to_string(runs) + " launches (min .. max)");
    report.note("with the claim: time",
                fixed(median(with.times), 1) + " ms " + range(with.times, 1));
    report.note("with the claim: peak memory",
                fixed(median(with.peaks), 1) + " MiB " + range(with.peaks, 1));
    report.note("without a claim: time",
                fixed(median(without.times), 1) + " ms " + range(without.times, 1));
    report.note("without a claim: peak memory",
                fixed(median(without.peaks), 1) + " MiB " + range(without.peaks, 1));
    const double extraMs = median(with.times) - median(without.times);
    report.figure("time, with claim - without", fixed(extraMs, 1) + " ms",
                  "<= " + fixed(kExtraTimeTargetMs, 0) + " ms", extraMs <= kExtraTimeTargetMs);
    const double extraMiB = median(with.peaks) - median(without.peaks);
    report.figure("peak memory, with claim - without", fixed(extraMiB, 2) + " MiB",
                  "<= " + fixed(kExtraMemoryTargetMiB, 0) + " MiB",
                  extraMiB <= kExtraMemoryTargetMiB);
    return report.exitStatus();
}
