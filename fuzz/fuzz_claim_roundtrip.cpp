// A claim saved and opened again behaves as the one that was saved: a script
// of operator actions over all seven windows runs on a claim; at its '~'
// steps the claim is saved and read into a freshly started claim, and from
// there the rest of the script runs on both. Every reaction (messages, focus,
// windows shown, printed reports) and everything the windows show and keep
// must agree at every step.

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>

#include "fuzz/claimscript.h"
#include "fuzz/fuzzcheck.h"

using namespace corvell;
using namespace corvell::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Claim original;
    std::unique_ptr<Claim> reopened;
    const std::vector<ClaimAction> actions = claimActions(original);
    Script script(data, size);
    while (const auto step = script.next()) {
        if (step->op == '~') {
            reopened = std::make_unique<Claim>();
            const std::string file = claimFileText(original);
            const std::optional<std::string> refused = openClaimFile(*reopened, file);
            FUZZ_CHECK(!refused, "a saved claim does not open: %s", refused->c_str());
            continue;
        }
        const std::string said = playStep(original, actions, *step);
        if (reopened) {
            const std::string saidAgain = playStep(*reopened, actions, *step);
            FUZZ_CHECK(said == saidAgain, "the reopened claim answered\n%s\ninstead of\n%s",
                       saidAgain.c_str(), said.c_str());
            FUZZ_CHECK(original.save() == reopened->save(),
                       "the reopened claim differs after step %u", unsigned{step->op});
        }
    }
    return 0;
}
