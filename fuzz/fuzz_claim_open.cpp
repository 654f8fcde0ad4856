// Opening any bytes as a claim file: never a crash, and either the whole
// claim is replaced by a sound one (which saves and opens again unchanged,
// with no figure changed) or nothing changes at all. The seeds are real claim files, so the fuzzer
// mostly tries files that are nearly right.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "claim/claim.h"
#include "fuzz/fuzzcheck.h"
#include "interest/calculationformcontrols.h"

using namespace corvell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Claim claim;
    claim.model(WindowId::CalculationForm).setText(calculationform::txtCaseCaption, "before");
    const nlohmann::json before = claim.save();
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    if (openClaimFile(claim, file)) {
        FUZZ_CHECK(claim.save() == before, "a refused file changed the claim");
        return 0;
    }
    const nlohmann::json opened = claim.save();
    Claim again;
    FigureChanges changes;
    FUZZ_CHECK(!openClaimFile(again, claimFileText(claim), &changes),
               "an opened claim does not save soundly");
    FUZZ_CHECK(changes.empty(), "an opened claim opens again with changes: %s",
               changes.front().c_str());
    FUZZ_CHECK(again.save() == opened, "an opened claim saves differently");
    return 0;
}
