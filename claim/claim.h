#pragma once
// A claim: everything the program holds for one claim, that is the model of
// every calculator window, and the claim file that keeps it. The models live
// here for the whole program run; the windows show and drive them.
//
// A claim file is JSON in UTF-8 (docs/claim-file.md): a format name, a
// version, and each calculator window's field texts, disabled buttons, list
// lines and kept values, the ledger included. Opening a file checks all of
// it before anything changes.

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "commutation/commutationmodel.h"
#include "interest/interestmodel.h"
#include "offsets/lumpsummodel.h"
#include "offsets/pensionmodel.h"
#include "offsets/socialsecuritymodel.h"
#include "presentvalue/presentvaluemodel.h"
#include "subrogation/subrogationmodel.h"

namespace corvell {

inline constexpr std::string_view kClaimFormat = "corvells-calculator-claim";
inline constexpr int kClaimVersion = 1;

// The first line of what opening a file that is not a sound claim file says;
// a line saying what was found wrong follows it.
inline constexpr std::string_view kDamagedClaimFile = "The file is damaged or is not a claim file.";

class Claim {
public:
    Claim() = default;
    Claim(const Claim&) = delete;
    Claim& operator=(const Claim&) = delete;

    // The model of a calculator window (std::out_of_range for the main menu).
    FormModel& model(WindowId window);

    // Each window's model, as its window takes it.
    InterestModel& interest() { return interest_; }
    PresentValueModel& presentValue() { return presentValue_; }
    SocialSecurityModel& socialSecurity() { return socialSecurity_; }
    PensionModel& pension() { return pension_; }
    LumpSumModel& lumpSum() { return lumpSum_; }
    CommutationModel& commutation() { return commutation_; }
    SubrogationModel& subrogation() { return subrogation_; }

    // The whole claim as its file holds it.
    nlohmann::json save() const;
    // Every window as the saved claim had it. When the claim is not sound,
    // nothing changes and the answer says what is wrong.
    std::optional<std::string> load(const nlohmann::json& saved);
    // Every window as when the program starts.
    void clear();

    // The case caption that names the claim: that of `window` when it has
    // one, else the first a calculator window holds; empty when none does.
    std::string caseCaption(WindowId window) const;

private:
    const FormModel& model(WindowId window) const;

    InterestModel interest_;
    PresentValueModel presentValue_;
    SocialSecurityModel socialSecurity_;
    PensionModel pension_;
    LumpSumModel lumpSum_;
    CommutationModel commutation_;
    SubrogationModel subrogation_;
};

// The claim as the text of a claim file, and a claim file's text read into
// the claim (nothing changes when it is not a sound claim file: the answer
// says what is wrong).
std::string claimFileText(const Claim& claim);
std::optional<std::string> readClaimFile(Claim& claim, std::string_view text);

}  // namespace corvell
