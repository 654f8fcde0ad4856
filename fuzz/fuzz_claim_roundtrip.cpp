// A claim saved and opened again behaves as the one that was saved: a script
// of operator actions over all seven windows runs on a claim; at its '~'
// steps the claim is saved and read into a freshly started claim, with no
// figure told as changed, and from there the rest of the script runs on
// both. Every reaction (messages, focus, windows shown, printed reports)
// must agree at every step, and so must everything the windows show, keep
// in a claim file and hold in memory (claimcompare.h).
//
// The two claims are compared in full when one is opened and when the
// script ends (or the next '~' opens another); after each handler in
// between only the window it ran on is compared, as no window's handler
// reaches into another window's model (the full comparison at the end would
// still catch one that did). Typing runs no handler and changes only the
// text typed into, the same in both claims: the next comparison of the
// window covers it.

#include <cstdint>
#include <memory>

#include "fuzz/claimcompare.h"
#include "fuzz/claimscript.h"
#include "fuzz/fuzzcheck.h"

using namespace corvell;
using namespace corvell::fuzz;

namespace {

void expectSameClaims(Claim& original, Claim& reopened, const char* when) {
    const std::string difference = claimDifference(original, reopened);
    FUZZ_CHECK(difference.empty(), "%s, the reopened claim differs: %s", when, difference.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<ClaimAction>& actions = everyClaimAction();
    Claim original;
    std::unique_ptr<Claim> reopened;
    Script script(data, size);
    while (const auto step = script.next()) {
        if (step->op == '~') {
            if (reopened) {
                expectSameClaims(original, *reopened, "before it is opened again");
            }
            reopened = std::make_unique<Claim>();
            const std::string file = claimFileText(original);
            FigureChanges changes;
            const std::optional<std::string> refused = openClaimFile(*reopened, file, &changes);
            FUZZ_CHECK(!refused, "a saved claim does not open: %s", refused->c_str());
            FUZZ_CHECK(changes.empty(), "a saved claim opens with a changed figure: %s",
                       changes.front().c_str());
            expectSameClaims(original, *reopened, "once opened");
            continue;
        }
        const std::string said = playStep(original, actions, *step);
        if (reopened) {
            const std::string saidAgain = playStep(*reopened, actions, *step);
            FUZZ_CHECK(said == saidAgain, "the reopened claim answered\n%s\ninstead of\n%s",
                       saidAgain.c_str(), said.c_str());
            const ClaimAction& action = pickAction(actions, *step);
            if (!action.typing) {
                const std::string difference = windowDifference(original, *reopened, action.window);
                FUZZ_CHECK(difference.empty(), "after step %u, the reopened claim differs: %s",
                           unsigned{step->op}, difference.c_str());
            }
        }
    }
    if (reopened) {
        expectSameClaims(original, *reopened, "at the end");
    }
    return 0;
}
